#include "jpegmeta/tags/CfaPatternSize.h"

namespace vistello::tags {

CfaPatternSize cfaPatternSize(bool littleEndian, const EntryValues& values)
{
    CfaPatternSize size{values.half(0, littleEndian), values.half(2, littleEndian)};
    if (littleEndian && !size.plausible())
        size = {values.half(0, false), values.half(2, false)};
    return size;
}

} // namespace vistello::tags

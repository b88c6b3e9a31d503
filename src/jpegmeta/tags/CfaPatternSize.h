#pragma once
// The pattern size of a CFAPattern entry (0xA302): two SHORTs, columns then
// rows, in the block's byte order. Writers of little-endian blocks often
// store them big-endian, so values outside 1..8 are read again that way.
#include "jpegmeta/tags/EntryValues.h"

namespace vistello::tags {

struct CfaPatternSize {
    int columns = 0;
    int rows = 0;
    bool plausible() const { return columns >= 1 && columns <= 8 && rows >= 1 && rows <= 8; }
};

CfaPatternSize cfaPatternSize(bool littleEndian, const EntryValues& values);

// Where the pattern's values start in the entry's bytes.
constexpr int kCfaPatternHead = 4;

} // namespace vistello::tags

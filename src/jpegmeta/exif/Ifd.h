#pragma once
// One top-level directory of the EXIF tree (IFD0 or IFD1), entries in file order.
#include "jpegmeta/exif/ExifEntry.h"

#include <vector>

namespace vistello {

struct Ifd {
    IfdKind kind = IfdKind::Ifd0;
    std::vector<ExifEntry> entries;
};

} // namespace vistello

#pragma once
// One decoded directory entry of the EXIF tree, with the entries of the
// directory it points to (pointer tags, maker notes, Canon arrays).
#include "jpegmeta/exif/ExifTypes.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vistello {

struct ExifEntry {
    uint16_t tag = 0;     // in the Canon arrays (kinds 8-10) the element index
    uint16_t type = 0;    // corrected: 0, 11 and above read as BYTE
    uint32_t count = 0;
    // total = size(type) x count. total > 4: offset of the data (TIFF
    // coordinates); ASCII/UNDEFINED: the bytes packed first-byte-highest;
    // otherwise the first element (BYTE, SHORT sign-extended).
    uint32_t value = 0;
    std::array<uint8_t, 4> valueField{}; // as stored, for inline values of several elements
    IfdKind kind = IfdKind::Ifd0;
    uint32_t entryOffset = 0; // TIFF offset of the 12-byte entry (or of the array element)
    // Stored in the byte order opposite to the block's: a maker note written
    // in its own order (the Fuji note, or a note an editor left as it was
    // when it rewrote the block in the other order).
    bool otherOrder = false;
    std::vector<ExifEntry> children;

    uint64_t total() const { return totalSize(type, count); }
};

} // namespace vistello

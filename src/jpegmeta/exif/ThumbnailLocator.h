#pragma once
// Finding the EXIF thumbnail (IFD1's JPEGInterchangeFormat) in a TIFF block.
// Offsets in the results are block coordinates (the base included) unless
// said otherwise.
#include "jpegmeta/exif/TiffBlock.h"

#include <QByteArray>
#include <cstdint>

namespace vistello {

// Used by the thumbnail search: IFD1 read directly behind IFD0, no checks.
struct SimpleThumbnailLocation {
    int64_t compression = 0;
    int64_t offset = 0;
    int64_t length = 0;
    int16_t orientation = 0; // IFD0's 0x0112
};

// Used to rewrite the thumbnail: also checks that the thumbnail does not
// overlap any other data of the directories (typically the maker note).
struct ThumbnailLocation {
    int64_t compression = 0;
    int64_t offset = 0;
    int64_t length = 0;
    int64_t lengthFieldPosition = 0; // value field of tag 0x0202, for rewriting
    int64_t maxEnd = 0;              // largest end of all other directory data, TIFF coordinates
    QByteArray bytes;                // the thumbnail when it is a valid JPEG inside the block

    bool valid() const { return !bytes.isEmpty(); }
};

SimpleThumbnailLocation locateThumbnailSimple(const TiffBlock& block);
ThumbnailLocation locateThumbnail(const TiffBlock& block);

} // namespace vistello

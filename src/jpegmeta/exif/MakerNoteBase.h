#pragma once
// Editing programs move a maker note without fixing the offsets inside it,
// which count from the TIFF header: the values then seem to lie outside the
// note. The shift that brings them back is found from the Canon footer (the
// note's original offset), from the note's own start (offsets written
// relative to the note) or from where the first value normally stands (just
// behind the directory and its next pointer).
#include "jpegmeta/exif/ExifTypes.h"
#include "jpegmeta/exif/TiffBlock.h"

#include <cstdint>
#include <optional>

namespace vistello {

struct MakerNoteSpan {
    int64_t directory = 0; // TIFF offset of the note's directory
    uint32_t note = 0;     // TIFF offset of the note
    uint64_t size = 0;     // its bytes
    IfdKind kind = IfdKind::CanonNote;
};

// What to add to every value offset of the note: 0 when the values lie
// inside it as stored (or only a few stray ones do not, as cameras write
// them); nothing when no shift puts them inside, and the note is not to be
// read. A Canon note may end in a TIFF footer holding its original offset.
std::optional<int64_t> makerNoteBaseShift(const TiffBlock& block, const MakerNoteSpan& span);

} // namespace vistello

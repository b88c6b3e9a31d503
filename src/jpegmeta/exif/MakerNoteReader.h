#pragma once
// Reads the maker note of the five known camera makers into entries of the
// maker's directory kind, and expands the three Canon arrays. Makers are
// matched on the start of the Make text through a table; notes of other
// makers, and later layouts of these makers' notes recognised by their
// signature, are left as a plain entry.
#include "jpegmeta/exif/DirectoryGuard.h"
#include "jpegmeta/exif/ExifEntry.h"
#include "jpegmeta/exif/TiffBlock.h"

#include <optional>
#include <vector>

namespace vistello {

struct MakerNoteLocation {
    IfdKind kind = IfdKind::CanonNote;
    int64_t directory = 0;      // TIFF offset of the note's directory
    int64_t offsetBase = 0;     // added to every value word that is an offset (a moved note's shift)
    bool otherOrder = false;    // stored in the byte order opposite to the block's
};

class MakerNoteReader {
public:
    MakerNoteReader(TiffBlock block, DirectoryGuard& guard) : block_(block), guard_(guard) {}

    // Where the directory of the note of noteSize bytes at TIFF offset note
    // lies for a camera of this Make entry; nothing for an unknown maker or
    // no Make, for a note whose signature marks a layout that is not decoded,
    // for a directory that does not fit inside the note, and for a moved note
    // whose values no base brings back inside it.
    std::optional<MakerNoteLocation> locate(const ExifEntry* make, uint32_t note, uint64_t noteSize) const;

    // The note's entries (with the Canon arrays expanded); depth is the
    // nesting level of the note's directory.
    std::vector<ExifEntry> read(const MakerNoteLocation& where, int depth);

private:
    void expandCanonArray(const TiffBlock& note, ExifEntry& entry, IfdKind childKind, bool customFunctions);

    TiffBlock block_;
    DirectoryGuard& guard_;
};

} // namespace vistello

#pragma once
// Builds the tree of an ExifData from its TIFF block: IFD0, then IFD1 through
// the chain pointer, each directory walked with its kind and every pointer
// entry followed into its children. One DirectoryGuard bounds the whole parse.
#include "jpegmeta/exif/DirectoryGuard.h"
#include "jpegmeta/exif/ExifData.h"

namespace vistello {

class ExifTreeParser {
public:
    explicit ExifTreeParser(ExifData& data) : data_(data), block_(data.block()) {}
    void run();

private:
    // False when the directory was not entered (already walked, too deep, budget spent).
    bool walk(int64_t d, IfdKind kind, int depth, std::vector<ExifEntry>& out);
    void followPointer(ExifEntry& entry, int64_t entryOffset, IfdKind childKind, int depth);
    void followSubIfds(ExifEntry& entry, int64_t entryOffset, int depth);
    void followMakerNote(ExifEntry& entry, int64_t entryOffset, int depth);

    ExifData& data_;
    TiffBlock block_;
    DirectoryGuard guard_;
};

} // namespace vistello

#pragma once
// The EXIF directory tree of one picture: IFD0 and (when present) IFD1 with
// every entry in file order, pointer entries carrying the entries of the
// directories they point to (EXIF, GPS, interoperability, sub-IFDs, maker
// notes of five makers, the three Canon arrays).
#include "jpegmeta/exif/Ifd.h"
#include "jpegmeta/exif/TiffBlock.h"

#include <QByteArray>
#include <vector>

namespace vistello {

class ExifData {
public:
    // Builds the tree from a TIFF block: bytes[base] is the TIFF header (base
    // 10 for a buffer that starts at the APP1 segment's 0xFF byte, 6 for one
    // that starts at its payload). Replaces any earlier tree. Never reads
    // outside the bytes; malformed blocks give partial or empty trees.
    void parse(const QByteArray& bytes, int64_t base);

    bool isEmpty() const { return ifds_.empty(); }
    const std::vector<Ifd>& ifds() const { return ifds_; }
    bool littleEndian() const { return block().littleEndian(); }
    // A view of the block the tree was built from (valid while this object lives).
    TiffBlock block() const { return TiffBlock(bytes_, base_); }
    const QByteArray& bytes() const { return bytes_; }
    int64_t base() const { return base_; }

    // The first entry with this tag, depth-first in list order (IFD0 and its
    // children before IFD1), or nullptr.
    const ExifEntry* findTag(uint16_t tag) const;
    // The first entry with this tag directly in IFD0 (no sub-directories).
    const ExifEntry* findTagInIfd0(uint16_t tag) const;
    // Orientation for auto-rotation: IFD0's tag 0x0112 only (a thumbnail's or
    // a maker note's orientation must not turn the picture); 1 when missing.
    int orientation() const;

    // Number of entries in the whole tree (children included).
    int entryCount() const;

private:
    friend class ExifTreeParser;

    QByteArray bytes_;
    int64_t base_ = 0;
    std::vector<Ifd> ifds_;
};

// Depth-first search over a list of entries and their children.
const ExifEntry* findTagIn(const std::vector<ExifEntry>& entries, uint16_t tag);

} // namespace vistello

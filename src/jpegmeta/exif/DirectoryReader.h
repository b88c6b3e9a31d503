#pragma once
// Reading one TIFF directory: its entry count, its 12-byte entries and the
// offset of the next directory of the chain. Shared by every walk over an
// EXIF block (tree, summary, picture date, both thumbnail locators).
#include "jpegmeta/exif/ExifEntry.h"
#include "jpegmeta/exif/TiffBlock.h"

namespace vistello::exifdir {

// The stored count read as a signed 16-bit number; 0 for d = 0 or a count <= 0.
int storedCount(const TiffBlock& block, int64_t d);
// storedCount capped at the entries whose tag lies inside the block, so that
// no loop runs over entries that are not there.
int entryCount(const TiffBlock& block, int64_t d);

constexpr int64_t entryAt(int64_t d, int i) { return d + 2 + 12 * int64_t(i); }

// The offset stored behind the last entry (0 when it is not in the block).
uint32_t nextDirectory(const TiffBlock& block, int64_t d);

// Decodes the entry at TIFF offset e: tag, corrected type, count, value field
// and value word. Bytes outside the block read as 0.
ExifEntry readEntry(const TiffBlock& block, int64_t e, IfdKind kind);

// The value word of a corrected type from a value field as the block stores it.
uint32_t valueWord(const TiffBlock& block, uint16_t type, uint32_t count, const std::array<uint8_t, 4>& field);

} // namespace vistello::exifdir

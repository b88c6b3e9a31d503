#pragma once
// EXIF date texts "YYYY:MM:DD HH:MM:SS" (20 bytes with the terminator).
#include "jpegmeta/exif/ExifEntry.h"
#include "jpegmeta/exif/TiffBlock.h"

#include <QDateTime>
#include <optional>

namespace vistello {

// The date of a DateTimeOriginal-style entry as local time: only for count 20
// with the text inside the block, read by position (each digit as byte -
// '0', unchecked) and kept only when it is a valid calendar time.
std::optional<QDateTime> readExifDateTime(const TiffBlock& block, const ExifEntry& entry);

// The same from the 19 characters themselves.
std::optional<QDateTime> parseExifDateTime(const uint8_t* text19);

} // namespace vistello

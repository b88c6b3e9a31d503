#pragma once
// The picture date: when the picture was taken according to its EXIF data,
// else the file's modification time. Used for file dates after rewriting,
// for renaming and for sorting.
#include "jpegmeta/exif/TiffBlock.h"
#include "jpegmeta/segments/ByteSource.h"

#include <QDateTime>
#include <QString>
#include <optional>

namespace vistello {

// The first DateTimeOriginal met on the walk (IFD chain, EXIF pointers only),
// when it is usable; nothing otherwise, even when a later one would be.
std::optional<QDateTime> readExifPictureDate(const TiffBlock& block);

// The EXIF date of the file's EXIF block, else the file's modification time
// (local time); invalid when the file cannot be read at all.
QDateTime readPictureDate(const QString& path);
// The EXIF date of the file alone; nothing without one (no file time).
std::optional<QDateTime> readExifPictureDateOfFile(const QString& path);
// The EXIF date from a picture in memory (no file time to fall back on).
std::optional<QDateTime> readExifPictureDate(ByteSource& source);

} // namespace vistello

#include "jpegmeta/exif/PictureDate.h"

#include "jpegmeta/exif/ExifChainWalk.h"
#include "jpegmeta/exif/ExifDateTime.h"
#include "jpegmeta/segments/HeaderCollector.h"

#include <QFileInfo>

namespace vistello {

std::optional<QDateTime> readExifPictureDate(const TiffBlock& block)
{
    std::optional<QDateTime> date;
    walkExifChain(block, [&](const ExifEntry& e, bool) {
        if (e.tag != exiftag::DateTimeOriginal)
            return true;
        date = readExifDateTime(block, e);
        return false;
    });
    return date;
}

std::optional<QDateTime> readExifPictureDate(ByteSource& source)
{
    const HeaderData header = collectHeaderData(source, CollectFromFile{});
    if (!header.hasExif())
        return std::nullopt;
    return readExifPictureDate(exifBlockOf(header));
}

std::optional<QDateTime> readExifPictureDateOfFile(const QString& path)
{
    FileByteSource source(path);
    if (!source.isOpen())
        return std::nullopt;
    return readExifPictureDate(source);
}

QDateTime readPictureDate(const QString& path)
{
    if (const std::optional<QDateTime> taken = readExifPictureDateOfFile(path))
        return *taken;
    const QFileInfo info(path);
    return info.exists() ? info.lastModified().toLocalTime() : QDateTime();
}

} // namespace vistello

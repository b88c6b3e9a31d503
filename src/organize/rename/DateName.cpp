#include "organize/rename/DateName.h"

#include "jpegmeta/exif/ExifDateText.h"
#include "jpegmeta/exif/PictureDate.h"
#include "organize/rename/PictureName.h"

namespace vistello {

namespace {
constexpr int kCandidates = 20;
}

QString dateNameText(const QDateTime& taken)
{
    return exifDateText(taken).replace(QLatin1Char(' '), QLatin1Char('@')).replace(QLatin1Char(':'), QLatin1Char('-'));
}

std::optional<QString> pictureDateName(const QString& picturePath)
{
    FileByteSource source(picturePath);
    if (!source.isOpen())
        return std::nullopt;
    const std::optional<QDateTime> taken = readExifPictureDate(source);
    if (!taken)
        return std::nullopt;
    return dateNameText(*taken);
}

std::optional<QString> uniqueDateName(const QString& folder, const QString& dateName, const QString& extension,
                                      const std::function<bool(const QString& path)>& taken)
{
    for (int i = 0; i < kCandidates; ++i) {
        const QString candidate = i == 0 ? dateName : dateName + QLatin1Char('-') + QString::number(i);
        const QString path = folder + candidate + extension;
        if (!taken(path) && !taken(temporaryPath(path)))
            return candidate;
    }
    return std::nullopt;
}

} // namespace vistello

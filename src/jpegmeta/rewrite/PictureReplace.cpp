#include "jpegmeta/rewrite/PictureReplace.h"

#include "jpegmeta/exif/PictureDate.h"
#include "platform/FileReplace.h"

namespace vistello {

bool replaceFileKeepingPictureDate(const QString& picture, const std::function<bool(QIODevice&)>& writeContents,
                                      QString* error)
{
    const QDateTime date = readPictureDate(picture);
    return replaceFileKeepingTimes(picture, writeContents, error,
                                   date.isValid() ? std::optional<QDateTime>(date) : std::nullopt);
}

} // namespace vistello

#include "jpegmeta/exif/ExifDateText.h"
#include "jpegmeta/info/PictureInfoText.h"

#include <QFileInfo>

namespace vistello {

QString modifiedDateText(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return localisedDateShort(info.lastModified().toLocalTime());
}

} // namespace vistello

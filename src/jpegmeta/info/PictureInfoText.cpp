#include "jpegmeta/info/PictureInfoText.h"

#include "platform/WriteProtection.h"
#include "resources/StringTable.h"
#include "resources/InfoStrings.h"

#include <QFileInfo>
#include <QStringList>

namespace vistello {

QString pictureInfoText(const PictureSummary& s, const QString& fileName, bool writeProtected,
                        const QString& modifiedDate, int64_t fileSize)
{
    QStringList lines;
    QString name = QStringLiteral("Picture name:\t") + fileName;
    if (writeProtected)
        name += QLatin1Char(' ') + strings::text(strings::kWriteProtected);
    lines << name;
    if (s.width > 0 && s.height > 0)
        lines << QString::asprintf("Picture size:\t%ux%u pixel", s.width, s.height);
    if (s.shutter > 0)
        lines << QString::asprintf("Shutter speed:\t1/%d s", s.shutter);
    else if (s.shutter < 0)
        lines << QString::asprintf("Shutter speed:\t%.1f s", -double(s.shutter) * 0.1);
    if (s.aperture > 0)
        lines << QString::asprintf("Aperture:\tF%.1f", s.aperture);
    const long long kilobytes = fileSize > 0 ? static_cast<long long>(fileSize / 1024 + 1) : 0;
    lines << QString::asprintf("File size:\t%lld KB (%lld Bytes)\nModified on:\t", kilobytes,
                               static_cast<long long>(fileSize)) + modifiedDate;
    if (!s.dateLong.isEmpty())
        lines << QStringLiteral("Created on:\t") + s.dateLong;
    return lines.join(QLatin1Char('\n')).left(kMaxInfoText);
}

QString pictureInfoText(const QString& path, const QString& modifiedDate, int64_t fileSize)
{
    const QFileInfo info(path);
    const bool writeProtected = info.exists() && isWriteProtected(path);
    return pictureInfoText(readPictureSummary(path), info.fileName(), writeProtected, modifiedDate, fileSize);
}

} // namespace vistello

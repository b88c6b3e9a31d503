#include "imaging/decode/MediaInfoText.h"

#include "jpegmeta/info/PictureInfoText.h"
#include "resources/MediaStrings.h"

#include <QFileInfo>

namespace vistello {
namespace {

constexpr int kFileSizeTemplate = 32919;

} // namespace

QString mediaInfoText(const QString& path, const std::optional<ClipFacts>& facts)
{
    const QFileInfo file(path);
    QStringList lines;
    lines << QString::fromUtf16(strings::kMediaNameLine).replace(QLatin1String("%s"), file.fileName());
    if (facts && facts->hasVideo) {
        lines << QString::fromUtf16(strings::kVideoSizeLine)
                     .replace(QLatin1String("%dx%d"), QStringLiteral("%1x%2").arg(facts->width).arg(facts->height));
        if (facts->durationMs >= 0)
            lines << QString::fromUtf16(strings::kVideoLengthLine)
                         .replace(QLatin1String("%d"), QString::number((facts->durationMs + 500) / 1000));
    }
    const qint64 bytes = file.exists() ? file.size() : 0;
    const qint64 kilobytes = bytes > 0 ? bytes / 1024 + 1 : 0;
    lines << strings::formatInserts(strings::text(kFileSizeTemplate),
                                    {QStringLiteral("%1 KB").arg(kilobytes), QString::number(bytes),
                                     modifiedDateText(path)});
    return lines.join(QLatin1Char('\n')).left(kMaxInfoText);
}

} // namespace vistello

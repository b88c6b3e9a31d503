#include "organize/search/PictureCheck.h"

#include "core/textfile/TextFileWriter.h"
#include "imaging/decode/DecodeMessage.h"
#include "imaging/decode/PictureLoader.h"
#include "resources/OrganizeStrings.h"

#include <QFileInfo>

namespace vistello {

std::optional<QString> checkPicture(const QString& path, const std::atomic<bool>* stop)
{
    // Gone meanwhile, or a FIFO that would wait for a writer: broken.
    if (!QFileInfo(path).isFile())
        return QString();
    PictureRequest request;
    request.path = path;
    request.strict = true;
    request.autoRotate = false;        // the pixels are not looked at
    request.useColourProfiles = false;
    request.stopFlag = stop;
    setLastDecodeMessage("");
    if (decodeWithHandler(request))
        return std::nullopt;
    return lastDecodeMessage();
}

QString errorListLine(const QString& path, const QString& message)
{
    QString line = path;
    if (!message.isEmpty())
        line += QStringLiteral(" , \"") + message + QLatin1Char('"');
    return line + QLatin1String("\r\n");
}

QString errorListPath(const QString& personalFolder)
{
    return personalFolder + strings::text(strings::kErrorListName);
}

bool writeErrorList(const QString& path, const QString& lines)
{
    TextFileWriter writer;
    if (!writer.open(path))
        return false;
    writer.write(lines);
    return writer.commit();
}

QString pictureCheckCompletionText(int brokenCount)
{
    if (brokenCount == 0)
        return strings::text(strings::kCheckNoneBroken);
    if (brokenCount == 1)
        return strings::text(strings::kCheckOneBroken);
    return strings::formatInserts(strings::text(strings::kCheckSomeBroken), {QString::number(brokenCount)});
}

} // namespace vistello

// vistello-cli decode [--box WxH] [--thumb] [--scale N/D] [--no-orientation]
// [--no-profile] [--raw] FILE -o OUT: decodes a picture as a view would get
// it (--thumb: the thumbnail variant; --raw: the handler's buffer before it
// is turned upright and fitted), writes it as binary PPM or PNG by OUT's
// extension and prints its size as "WxH".
#include "app/cli/CliCommands.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/decode/DecodeMessage.h"
#include "imaging/decode/PictureLoader.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>

namespace vistello::cli {

namespace {

constexpr const char* kName = "decode";

bool parsePair(const QString& text, QChar separator, int& a, int& b)
{
    const QStringList parts = text.split(separator);
    if (parts.size() != 2)
        return false;
    bool okA = false, okB = false;
    a = parts[0].toInt(&okA);
    b = parts[1].toInt(&okB);
    return okA && okB && a >= 0 && b >= 0;
}

bool writePpm(const QImage& image, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray head = QStringLiteral("P6\n%1 %2\n255\n").arg(image.width()).arg(image.height()).toLatin1();
    bool ok = file.write(head) == head.size();
    const qint64 rowBytes = qint64(image.width()) * 3;
    for (int y = 0; ok && y < image.height(); ++y)
        ok = file.write(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes) == rowBytes;
    return ok && file.flush();
}

bool writePicture(const QImage& image, const QString& path)
{
    if (path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return image.save(path, "PNG");
    return writePpm(image, path);
}

} // namespace

int runDecode(const QStringList& args)
{
    PictureRequest request;
    request.reduceNum = 3;
    request.reduceDenom = 2;
    bool raw = false;
    QString input;
    QString output;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--box") && hasValue) {
            if (!parsePair(args[++i], QLatin1Char('x'), request.boxWidth, request.boxHeight))
                return usageError(kName, QStringLiteral("--box wants WxH"));
        } else if (a == QLatin1String("--scale") && hasValue) {
            if (!parsePair(args[++i], QLatin1Char('/'), request.scaleNum, request.scaleDenom) || request.scaleNum < 1
                || request.scaleDenom < 1)
                return usageError(kName, QStringLiteral("--scale wants N/D"));
        } else if (a == QLatin1String("-o") && hasValue) {
            output = args[++i];
        } else if (a == QLatin1String("--thumb")) {
            request.thumbnail = true;
        } else if (a == QLatin1String("--no-orientation")) {
            request.autoRotate = false;
        } else if (a == QLatin1String("--no-profile")) {
            request.useColourProfiles = false;
        } else if (a == QLatin1String("--raw")) {
            raw = true;
        } else if (a.startsWith(QLatin1Char('-')) || !input.isEmpty()) {
            return usageError(kName, QStringLiteral("unexpected argument \"%1\"").arg(a));
        } else {
            input = a;
        }
    }
    if (input.isEmpty() || output.isEmpty())
        return usageError(kName, QStringLiteral("FILE and -o OUT are needed"));
    request.path = input;

    PictureFileTypes& types = PictureFileTypes::instance();
    if (types.fileTypes().empty())
        registerBuiltInFormats(types, false, nullptr);
    if (!createFormatHandler(types, input)) {
        err(QStringLiteral("vistello-cli decode: no picture format for \"%1\"\n").arg(input));
        return Failure;
    }

    QImage image;
    if (raw) {
        std::optional<HandlerOutput> decoded = decodeWithHandler(request);
        if (decoded) {
            const PixelBuffer& p = decoded->pixels;
            image = QImage(p.data.get(), p.width, p.height, qsizetype(p.rowBytes()), QImage::Format_RGB888).copy();
        }
    } else if (std::optional<CachedPicture> picture = loadPicture(request)) {
        image = picture->image;
    }
    if (image.isNull()) {
        err(QStringLiteral("vistello-cli decode: cannot decode \"%1\": %2\n").arg(input, lastDecodeMessage()));
        return Failure;
    }
    if (!writePicture(image, output)) {
        err(QStringLiteral("vistello-cli decode: cannot write \"%1\"\n").arg(output));
        return Failure;
    }
    out(QStringLiteral("%1x%2\n").arg(image.width()).arg(image.height()));
    return Success;
}

} // namespace vistello::cli

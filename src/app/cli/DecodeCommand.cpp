// vistello-cli decode [--box WxH] [--thumb] [--scale N/D] [--no-orientation]
// [--no-profile] [--raw] FILE -o OUT: decodes a picture as a view would get
// it (--thumb: the thumbnail variant; --raw: the handler's buffer before it
// is turned upright and fitted), writes it as binary PPM or PNG by OUT's
// extension and prints its size as "WxH".
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliPlugins.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/decode/DecodeMessage.h"
#include "imaging/decode/PictureLoader.h"

#include "platform/FileReplace.h"

#include <QFile>
#include <QImage>

namespace vistello::cli {

namespace {

constexpr const char* kName = "decode";

// "N/D" with both numbers at least 1.
bool parseScale(const QString& text, int& num, int& denom)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 2)
        return false;
    bool okNum = false, okDenom = false;
    num = parts[0].toInt(&okNum);
    denom = parts[1].toInt(&okDenom);
    return okNum && okDenom && num >= 1 && denom >= 1;
}

bool writePpm(const QImage& image, QIODevice& file)
{
    const QByteArray head = QStringLiteral("P6\n%1 %2\n255\n").arg(image.width()).arg(image.height()).toLatin1();
    bool ok = file.write(head) == head.size();
    const qint64 rowBytes = qint64(image.width()) * 3;
    for (int y = 0; ok && y < image.height(); ++y)
        ok = file.write(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes) == rowBytes;
    return ok;
}

// OUT is the user's to name: a file there is replaced whole.
bool writePicture(const QImage& image, const QString& path)
{
    const bool png = path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    const auto write = [&](QIODevice& out) { return png ? image.save(&out, "PNG") : writePpm(image, out); };
    return writeProductFile(path, write);
}

} // namespace

int runDecode(const QStringList& args)
{
    PictureRequest request;
    request.reduceNum = 3;
    request.reduceDenom = 2;
    const CliArguments parsed = parseArguments(kName, args,
                                               {{"--box", true}, {"--scale", true}, {"-o", true}, {"--thumb"},
                                                {"--no-orientation"}, {"--no-profile"}, {"--raw"},
                                                VISTELLO_CLI_PLUGIN_OPTIONS});
    if (parsed.exitNow)
        return *parsed.exitNow;
    if (parsed.has("--box")) {
        const std::optional<QSize> box = parseBox(parsed.value("--box"));
        if (!box)
            return usageError(kName, badBoxMessage(parsed.value("--box")));
        request.boxWidth = box->width();
        request.boxHeight = box->height();
    }
    if (parsed.has("--scale") && !parseScale(parsed.value("--scale"), request.scaleNum, request.scaleDenom))
        return usageError(kName, QStringLiteral("--scale wants N/D"));
    request.thumbnail = parsed.has("--thumb");
    if (parsed.has("--no-orientation"))
        request.autoRotate = false;
    if (parsed.has("--no-profile"))
        request.useColourProfiles = false;
    const bool raw = parsed.has("--raw");
    const QString output = parsed.value("-o");
    if (parsed.plain.size() > 1)
        return usageError(kName, QStringLiteral("unexpected argument \"%1\"").arg(parsed.plain[1]));
    if (parsed.plain.isEmpty() || output.isEmpty())
        return usageError(kName, QStringLiteral("FILE and -o OUT are needed"));
    const QString& input = parsed.plain.front();
    request.path = input;

    if (!registerFormatsWithPlugins(parsed, kName))
        return UsageError;
    PictureFileTypes& types = PictureFileTypes::instance();
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

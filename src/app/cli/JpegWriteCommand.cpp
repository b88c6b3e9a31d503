// vistello-cli jpeg-write [-q L[,C]] [--keep-sampling] IN OUT: decodes IN
// strictly (the main image, no warnings) at full size as stored, and writes
// it to OUT as JPEG. An existing OUT is rewritten with its header segments
// carried over (and, with --keep-sampling, its sampling factors); a new OUT
// gets JFIF and a thumbnail. Prints "WxH L,C".
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/decode/DecodeMessage.h"
#include "imaging/decode/PictureLoader.h"
#include "jpegedit/jpegwrite/PictureWriting.h"
#include "jpegedit/jpegwrite/WriteJpeg.h"

#include <QFileInfo>

namespace vistello::cli {

namespace {

constexpr const char* kName = "jpeg-write";

int parseQuality(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 0 && value <= 100 ? value : -1;
}

// "L" or "L,C", each 0-100; a missing C stays as the option string has it.
bool parseQualities(const QString& text, PictureWriteRequest& request)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() > 2)
        return false;
    request.luminanceQuality = parseQuality(parts[0]);
    if (parts.size() == 2)
        request.chrominanceQuality = parseQuality(parts[1]);
    return request.luminanceQuality >= 0 && (parts.size() == 1 || request.chrominanceQuality >= 0);
}

} // namespace

int runJpegWrite(const QStringList& args)
{
    const CliArguments parsed = parseArguments(kName, args, {{"-q", true}, {"--keep-sampling"}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    PictureWriteRequest request;
    if (parsed.has("-q") && !parseQualities(parsed.value("-q"), request))
        return usageError(kName, QStringLiteral("-q wants L or L,C with qualities 0 to 100"));
    if (parsed.plain.size() != 2)
        return usageError(kName, QStringLiteral("IN and OUT are needed"));
    const QString& input = parsed.plain[0];
    const QString& output = parsed.plain[1];

    PictureFileTypes& types = PictureFileTypes::instance();
    registerBuiltInFormats(types, false, nullptr);
    enablePictureWriting(types);
    const PictureFileType* type = types.typeOf(input);
    if (!type || !type->readable || !type->factory) {
        err(QStringLiteral("vistello-cli jpeg-write: no picture format reads \"%1\"\n").arg(input));
        return Failure;
    }

    PictureRequest decode;
    decode.path = input;
    decode.autoRotate = false;        // the pixels stay as stored; the EXIF orientation goes with them
    decode.useColourProfiles = false; // an RGB profile is carried over, not applied
    decode.strict = true;
    std::optional<HandlerOutput> decoded = decodeWithHandler(decode);
    if (!decoded) {
        err(QStringLiteral("vistello-cli jpeg-write: cannot decode \"%1\": %2\n").arg(input, lastDecodeMessage()));
        return Failure;
    }

    const QString options = QStringLiteral("90");
    request.path = output;
    request.pixels = &decoded->pixels;
    request.fullChroma = !parsed.has("--keep-sampling");
    request.newFile = !QFileInfo::exists(output);
    request.replaceExisting = true; // OUT is the user's to name
    QString error;
    if (!writeJpeg(request, options, &error)) {
        err(QStringLiteral("vistello-cli jpeg-write: cannot write \"%1\": %2\n").arg(output, error));
        return Failure;
    }
    const JpegQualities used = resolveJpegQualities(request.luminanceQuality, request.chrominanceQuality, options);
    out(QStringLiteral("%1x%2 %3\n").arg(decoded->pixels.width).arg(decoded->pixels.height).arg(formatJpegOptions(used)));
    return Success;
}

} // namespace vistello::cli

#include "jpegedit/convert/ConvertPicture.h"

#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/DecodeMessage.h"
#include "imaging/decode/PictureLoader.h"
#include "imaging/decode/PixelOrientation.h"

#include <QFile>
#include <QFileInfo>

namespace vistello {

namespace {

const PictureFileType* formatOf(const PictureFileTypes& types, const QString& name)
{
    return types.typeOf(name);
}

// Two extensions of one format (".jpg" and ".jpeg") or the same one.
bool sameFormat(const PictureFileType* a, const PictureFileType* b)
{
    return a && b && (a == b || (!a->formatName.isEmpty() && a->formatName == b->formatName));
}

// A RAW picture with its camera companion ("IMG_1.thm") going to JPEG.
QString rawCompanion(const PictureFileTypes& types, const QString& source, const PictureFileType* sourceType,
                     const PictureFileType* targetType)
{
    const PictureFileType* raw = formatOf(types, QStringLiteral("x.raw"));
    const PictureFileType* jpeg = formatOf(types, QStringLiteral("x.jpg"));
    if (!raw || !sameFormat(sourceType, raw) || !sameFormat(targetType, jpeg))
        return {};
    // Cameras write ".THM"; copied cards may have it lower-cased.
    for (const QString& extension : {QStringLiteral(".thm"), QStringLiteral(".THM")}) {
        const QString companion = conversionTarget(source, extension);
        if (QFileInfo(companion).isFile())
            return companion;
    }
    return {};
}

ConvertResult result(ConvertStatus status, const QString& target, const QString& message = {})
{
    return ConvertResult{status, target, message};
}

} // namespace

QString conversionTarget(const QString& source, const QString& targetExtension)
{
    const QFileInfo info(source);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? name : name.left(dot);
    const QString folder = source.left(source.size() - name.size());
    return folder + stem + targetExtension;
}

ConvertResult convertPicture(const PictureFileTypes& types, const QString& source, const ConvertOptions& options)
{
    const QString target = conversionTarget(source, options.targetExtension);
    const PictureFileType* sourceType = formatOf(types, source);
    const PictureFileType* targetType = formatOf(types, target);
    if (sameFormat(sourceType, targetType))
        return result(ConvertStatus::SameFormat, target);
    if (!targetType || !targetType->writable || !targetType->factory)
        return result(ConvertStatus::NotWritable, target);
    if (QFileInfo::exists(target) && !options.replaceExisting)
        return result(ConvertStatus::TargetExists, target, QStringLiteral("The file exists already"));

    PictureRequest decode;
    decode.path = source;
    decode.strict = true;
    std::optional<HandlerOutput> decoded = decodeWithHandler(decode);
    if (!decoded)
        return result(ConvertStatus::DecodeFailed, target, lastDecodeMessage());
    const PixelBuffer upright = orientPixels(std::move(decoded->pixels), decoded->orientation);

    std::unique_ptr<FormatHandler> writer = targetType->factory();
    if (!options.targetProperties.isEmpty())
        writer->setProperties(options.targetProperties);
    PictureWriteRequest request;
    request.path = target;
    request.pixels = &upright;
    request.luminanceQuality = 90;
    request.chrominanceQuality = 90;
    request.fullChroma = true;
    request.replaceExisting = options.replaceExisting;
    const QString companion = rawCompanion(types, source, sourceType, targetType);
    if (!companion.isEmpty()) {
        // The companion's header (camera data) goes with the new pixels,
        // which are upright now: its orientation must say so.
        request.newFile = false;
        request.headerSource = companion;
        request.resetOrientation = true;
    }
    if (!writer->writePicture(request))
        return result(ConvertStatus::WriteFailed, target, writer->message);
    return result(ConvertStatus::Written, target);
}

} // namespace vistello

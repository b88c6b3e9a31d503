#include "jpegedit/redeye/RedEyeFile.h"

#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/DecodeMessage.h"
#include "imaging/decode/PictureLoader.h"
#include "imaging/decode/PixelOrientation.h"
#include "jpegedit/originals/EncodedPlacement.h"
#include "jpegedit/resize/ResizeSearch.h"

#include <QFile>

namespace vistello {

namespace {

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// The turn that undoes orientPixels(orientation).
int inverseOrientation(int orientation)
{
    if (orientation == 6)
        return 8;
    if (orientation == 8)
        return 6;
    return orientation;
}

RedEyeSaveResult failed(RedEyeSaveStatus status, const QString& target, const QString& message = {})
{
    RedEyeSaveResult result;
    result.status = status;
    result.targetPath = target;
    result.message = message;
    return result;
}

} // namespace

std::optional<RedEyeSource> loadForRedEye(const QString& path, bool autoRotate, QString* error)
{
    PictureRequest decode;
    decode.path = path;
    decode.useColourProfiles = false; // corrected and saved in the file's colours
    decode.autoRotate = autoRotate;
    decode.strict = true;
    std::optional<HandlerOutput> decoded = decodeWithHandler(decode);
    if (!decoded || decoded->pixels.empty()) {
        setError(error, decoded ? QStringLiteral("The picture cannot be decoded") : lastDecodeMessage());
        return std::nullopt;
    }
    if (decoded->pixels.width != decoded->fileWidth || decoded->pixels.height != decoded->fileHeight) {
        setError(error, QStringLiteral("The picture was not decoded at its full size (%1 x %2 of %3 x %4)")
                            .arg(decoded->pixels.width)
                            .arg(decoded->pixels.height)
                            .arg(decoded->fileWidth)
                            .arg(decoded->fileHeight));
        return std::nullopt;
    }
    RedEyeSource source;
    source.orientation = decoded->orientation >= 1 && decoded->orientation <= 8 ? decoded->orientation : 1;
    source.pixels = orientPixels(std::move(decoded->pixels), source.orientation);
    if (source.pixels.empty()) {
        setError(error, QStringLiteral("Not enough memory to turn the picture"));
        return std::nullopt;
    }
    return source;
}

RedEyeSaveResult saveRedEye(const PictureFileTypes& types, const QString& picture, const RedEyePicture& corrected,
                            int orientation, const RedEyeSaveOptions& options)
{
    if (!corrected.differs())
        return failed(RedEyeSaveStatus::Unchanged, picture);
    const PictureFileType* type = types.typeOf(picture);
    if (!type || !type->writable || !type->factory)
        return failed(RedEyeSaveStatus::NotWritable, picture);

    const PixelBuffer pixels = orientPixels(copyPixels(corrected.edited()), inverseOrientation(orientation));
    if (pixels.empty())
        return failed(RedEyeSaveStatus::WriteFailed, picture, QStringLiteral("Not enough memory to save"));
    std::unique_ptr<FormatHandler> writer = type->factory();
    writer->setProperties(options.formatOptions);
    const bool qualityLevels = writer->capabilities() & FormatHandler::QualityLevels;

    QString error;
    const TrialEncoder encode = [&](const ResizeTrial& trial) -> std::optional<ResizeCandidate> {
        PictureWriteRequest write;
        write.path = picture;
        write.pixels = &pixels;
        write.luminanceQuality = trial.qualities.luminance;
        write.chrominanceQuality = trial.qualities.chrominance;
        write.fullChroma = !qualityLevels; // a JPEG keeps its sampling
        write.newFile = false;             // and its header segments
        std::optional<EncodedPicture> encoded = writer->encodePicture(write);
        if (!encoded) {
            error = writer->message;
            return std::nullopt;
        }
        return ResizeCandidate{std::move(*encoded), pixels.width, pixels.height, trial.qualities};
    };

    std::optional<ResizeCandidate> chosen;
    if (qualityLevels) {
        QFile old(picture);
        if (!old.open(QIODevice::ReadOnly))
            return failed(RedEyeSaveStatus::WriteFailed, picture, old.errorString());
        chosen = sameQualitySearch(old.size(), encode).chosen;
    } else {
        chosen = encode({100, {-1, -1}});
    }
    if (!chosen)
        return failed(RedEyeSaveStatus::WriteFailed, picture, error);

    const PlacedPicture placed = placeEncodedPicture(picture, chosen->encoded, options.makeCopy, options.copyOriginal);
    if (!placed.ok())
        return failed(placed.failure == PlacementFailure::Backup ? RedEyeSaveStatus::BackupFailed
                                                                 : RedEyeSaveStatus::WriteFailed,
                      placed.targetPath, placed.message);
    const QString& target = placed.targetPath;

    RedEyeSaveResult result;
    result.status = RedEyeSaveStatus::Written;
    result.targetPath = target;
    result.bytes = chosen->size();
    result.qualities = chosen->qualities;
    return result;
}

} // namespace vistello

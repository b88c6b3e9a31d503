#include "jpegedit/resize/ResizeOperation.h"

#include "imaging/decode/DecodeMessage.h"
#include "imaging/decode/PictureLoader.h"
#include "imaging/decode/PixelOrientation.h"
#include "imaging/scale/ScaleAreaAverage.h"
#include "jpegedit/resize/ResizeGeometry.h"

#include <utility>

namespace vistello {

namespace {

constexpr qint64 kBytesPerKB = 1024;

bool hasBox(const ResizeRequest& r) { return r.boxWidth > 0 && r.boxHeight > 0; }
bool hasRatio(const ResizeRequest& r) { return r.ratioNum > 0 && r.ratioDen > 0 && r.ratioNum != r.ratioDen; }
bool automaticQuality(const ResizeRequest& r) { return r.luminanceQuality < 0 || r.chrominanceQuality < 0; }

// The remaining factor after the decoder's own reduction.
ScaleRatio remainingRatio(const HandlerOutput& decoded, const ResizeRequest& request)
{
    const int w = decoded.pixels.width;
    const int h = decoded.pixels.height;
    const ScaleRatio ratio = hasBox(request)
                                 ? boxRatio(w, h, request.boxWidth, request.boxHeight, decoded.orientation > 4)
                                 : relativeRatio(request.ratioNum, request.ratioDen, w, h, decoded.fileWidth,
                                                 decoded.fileHeight);
    return limitedToMaxSide(ratio, w, h);
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

} // namespace

ResizeRequest resizeRequestFrom(const ResizeSettings& s)
{
    ResizeRequest r;
    if (s.enabled && s.fixedSize) {
        r.boxWidth = s.width;
        r.boxHeight = s.height;
    } else if (s.enabled) {
        r.ratioNum = s.ratioNumerator;
        r.ratioDen = s.ratioDenominator;
    }
    if (s.qualityGiven) {
        r.luminanceQuality = s.lumaQuality;
        r.chrominanceQuality = s.chromaQuality;
    }
    if (s.sizeLimitGiven)
        r.fileSizeKB = s.sizeLimitKilobytes;
    return r;
}

std::optional<ResizeSource> loadForResize(const QString& path, const ResizeRequest& request,
                                          const std::atomic<bool>* stopFlag, QString* error)
{
    PictureRequest decode;
    decode.path = path;
    if (hasBox(request)) {
        decode.boxWidth = request.boxWidth;
        decode.boxHeight = request.boxHeight;
    } else if (hasRatio(request)) {
        decode.scaleNum = request.ratioNum;
        decode.scaleDenom = request.ratioDen;
    }
    decode.allowEnlarge = true;
    decode.useColourProfiles = false; // the written pixels keep the file's colour values
    decode.autoRotate = request.upright && request.autoRotate;
    decode.strict = true;
    decode.stopFlag = stopFlag;
    std::optional<HandlerOutput> decoded = decodeWithHandler(decode);
    if (!decoded) {
        setError(error, lastDecodeMessage());
        return std::nullopt;
    }
    return resizeDecoded(std::move(*decoded), request, error);
}

std::optional<ResizeSource> resizeDecoded(HandlerOutput decoded, const ResizeRequest& request, QString* error)
{
    // A size limit with fixed qualities leaves the scaling to the scale search.
    const bool scale = (hasBox(request) || hasRatio(request)) && (request.fileSizeKB <= 0 || automaticQuality(request));
    const int orientation = decoded.orientation;
    const ScaleRatio ratio = scale ? remainingRatio(decoded, request) : ScaleRatio{};
    ResizeSource source;
    source.pixels = std::move(decoded.pixels);
    if (!ratio.identity()) {
        std::optional<PixelBuffer> scaled = scaleAreaAverage(source.pixels, ratio.num, ratio.den);
        if (!scaled) {
            setError(error, QStringLiteral("The picture is too large to be scaled"));
            return std::nullopt;
        }
        source.pixels = std::move(*scaled);
    }
    if (orientation > 1 && orientation <= 8) {
        source.pixels = orientPixels(std::move(source.pixels), orientation);
        source.turned = true;
        if (source.pixels.empty()) {
            setError(error, QStringLiteral("Not enough memory to turn the picture"));
            return std::nullopt;
        }
    }
    return source;
}

ResizeEncoding encodeResized(FormatHandler& writer, const ResizeSource& source, const ResizeRequest& request,
                             const QString& headerSource, const std::function<void(const ResizeCandidate&)>& trace)
{
    ResizeEncoding result;
    const TrialEncoder encode = [&](const ResizeTrial& trial) -> std::optional<ResizeCandidate> {
        std::optional<PixelBuffer> scaled;
        if (trial.percent != 100) {
            scaled = scaleAreaAverage(source.pixels, trial.percent, 100);
            if (!scaled) {
                result.error = QStringLiteral("The picture cannot be scaled");
                return std::nullopt;
            }
        }
        const PixelBuffer& pixels = scaled ? *scaled : source.pixels;
        PictureWriteRequest write;
        write.pixels = &pixels;
        write.luminanceQuality = trial.qualities.luminance;
        write.chrominanceQuality = trial.qualities.chrominance;
        write.fullChroma = true;
        write.newFile = headerSource.isEmpty();
        write.headerSource = headerSource;
        write.resetOrientation = source.turned;
        std::optional<EncodedPicture> encoded = writer.encodePicture(write);
        if (!encoded) {
            result.error = writer.message;
            return std::nullopt;
        }
        const JpegQualities used = resolveJpegQualities(trial.qualities.luminance, trial.qualities.chrominance,
                                                        writer.properties());
        ResizeCandidate candidate{std::move(*encoded), pixels.width, pixels.height, used};
        if (trace)
            trace(candidate);
        return candidate;
    };

    if (request.fileSizeKB <= 0) {
        result.chosen = encode({100, {request.luminanceQuality, request.chrominanceQuality}});
        return result;
    }
    const qint64 limit = qint64(request.fileSizeKB) * kBytesPerKB;
    const bool qualityLevels = writer.capabilities() & FormatHandler::QualityLevels;
    ResizeSearchOutcome outcome;
    if (automaticQuality(request) && qualityLevels)
        outcome = qualitySearch(limit, encode);
    else if (automaticQuality(request))
        outcome = scaleSearch(limit, {90, 90}, encode);
    else
        outcome = scaleSearch(limit, {request.luminanceQuality, request.chrominanceQuality}, encode);
    result.chosen = std::move(outcome.chosen);
    result.limitMet = outcome.limitMet;
    return result;
}

} // namespace vistello

#include "publish/common/FittedPicture.h"

#include "imaging/decode/PictureLoader.h"
#include "imaging/decode/PixelOrientation.h"
#include "imaging/scale/ScaleAreaAverage.h"

#include <cstring>
#include <new>

namespace vistello {

namespace {

PixelBuffer copyOf(const PixelBuffer& source)
{
    PixelBuffer copy;
    copy.data.reset(new (std::nothrow) std::uint8_t[source.byteCount()]);
    if (!copy.data)
        return {};
    std::memcpy(copy.data.get(), source.data.get(), source.byteCount());
    copy.width = source.width;
    copy.height = source.height;
    return copy;
}

PixelBuffer scaledUpright(const DecodedSource& source, int num, int den)
{
    std::optional<PixelBuffer> scaled;
    if (num >= 1 && den >= 1 && num != den)
        scaled = scaleAreaAverage(source.pixels, num, den);
    PixelBuffer pixels = scaled ? std::move(*scaled) : copyOf(source.pixels);
    if (pixels.empty())
        return {};
    return orientPixels(std::move(pixels), source.orientation);
}

} // namespace

std::optional<DecodedSource> decodeForPublishing(const PublishDecode& request)
{
    PictureRequest decode;
    decode.path = request.path;
    decode.boxWidth = request.boxWidth;
    decode.boxHeight = request.boxHeight;
    decode.scaleNum = request.scaleNum;
    decode.scaleDenom = request.scaleDen;
    decode.allowEnlarge = true;
    decode.useColourProfiles = false;
    decode.strict = request.strict;
    decode.autoRotate = request.autoRotate;
    decode.stopFlag = request.stopFlag;
    std::optional<HandlerOutput> output = decodeWithHandler(decode);
    if (!output || output->pixels.empty())
        return std::nullopt;
    return DecodedSource{std::move(output->pixels), output->orientation, output->fileWidth, output->fileHeight};
}

FitRatio boxFitRatio(int width, int height, int boxWidth, int boxHeight)
{
    if (width < 1 || height < 1 || boxWidth < 1 || boxHeight < 1)
        return {};
    if (qint64(height) * boxWidth < qint64(boxHeight) * width)
        return {boxWidth, width};
    return {boxHeight, height};
}

PixelBuffer fitIntoBox(const DecodedSource& source, int boxWidth, int boxHeight)
{
    const bool turned = source.orientation > 4;
    const int width = turned ? source.pixels.height : source.pixels.width;
    const int height = turned ? source.pixels.width : source.pixels.height;
    const FitRatio ratio = boxFitRatio(width, height, boxWidth, boxHeight);
    return scaledUpright(source, ratio.num, ratio.den);
}

} // namespace vistello

#include "jpegedit/jpegwrite/JfxxThumbnail.h"

#include "imaging/scale/ScaleAreaAverage.h"
#include "imaging/scale/ScaledSize.h"
#include "jpegedit/jpegwrite/JpegEncode.h"

namespace vistello {

namespace {

constexpr int kBoxWidth = 160;
constexpr int kBoxHeight = 120;

// The ratio that fits the limiting side to the box.
std::pair<int, int> fitRatio(int width, int height)
{
    if (int64_t(height) * kBoxWidth < int64_t(width) * kBoxHeight)
        return {kBoxWidth, width};
    return {kBoxHeight, height};
}

} // namespace

QSize jfxxThumbnailSize(int width, int height)
{
    if (width <= 0 || height <= 0 || (height < 2 * kBoxHeight && width < 2 * kBoxWidth))
        return {};
    const auto [num, den] = fitRatio(width, height);
    return QSize(int(scaledSide(width, num, den)), int(scaledSide(height, num, den)));
}

QByteArray makeJfxxThumbnail(const PixelBuffer& picture)
{
    const QSize size = jfxxThumbnailSize(picture.width, picture.height);
    if (size.isEmpty())
        return {};
    const auto [num, den] = fitRatio(picture.width, picture.height);
    const std::optional<PixelBuffer> small = scaleAreaAverage(picture, num, den);
    if (!small)
        return {};
    JpegEncodeSettings settings;
    settings.qualities = {90, 90};
    settings.fullChroma = false;
    settings.headers = JpegHeaders::None;
    const std::optional<QByteArray> jpeg = encodeJpeg(*small, settings);
    // It must not outgrow the raw pixels (the buffer it was once made in).
    if (!jpeg || jpeg->size() > qsizetype(small->byteCount()))
        return {};
    return *jpeg;
}

} // namespace vistello

#include "publish/indexsheet/CellThumbnail.h"

#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/decode/JpegHandler.h"
#include "publish/common/FittedPicture.h"

#include <cstdlib>
#include <optional>

namespace vistello {

namespace {

std::optional<DecodedSource> embeddedThumbnail(const QString& path, int cellWidth, int cellHeight, bool autoRotate,
                                               const std::atomic<bool>* stop)
{
    std::unique_ptr<FormatHandler> handler = createFormatHandler(PictureFileTypes::instance(), path);
    if (!handler || !dynamic_cast<JpegHandler*>(handler.get()))
        return std::nullopt;
    handler->setStopFlag(stop);
    ThumbnailData thumbnail = handler->embeddedThumbnail(path, false);
    const int orientation = autoRotate ? handler->orientation : 1;
    if (thumbnail.jpeg.isEmpty())
        return std::nullopt;
    handler->readHeader(path);
    const qint64 width = handler->imageWidth;
    const qint64 height = handler->imageHeight;
    if (!handler->valid || width < 1 || height < 1)
        return std::nullopt;
    if (!thumbnail.jpeg.endsWith("\xFF\xD9"))
        thumbnail.jpeg.append("\xFF\xD9", 2);
    PixelBuffer pixels = handler->decodeMemory(reinterpret_cast<const std::uint8_t*>(thumbnail.jpeg.constData()),
                                               size_t(thumbnail.jpeg.size()), 0, 0, 1, 1, false);
    if (pixels.empty())
        return std::nullopt;
    const qint64 thumbWidth = pixels.width;
    const qint64 thumbHeight = pixels.height;
    if (std::llabs(thumbWidth * height - thumbHeight * width) * 50 > width * thumbHeight)
        return std::nullopt; // black bars, or another crop
    const bool turned = orientation > 4;
    const FitRatio ratio = boxFitRatio(turned ? pixels.height : pixels.width, turned ? pixels.width : pixels.height,
                                       cellWidth, cellHeight);
    if (ratio.num > ratio.den)
        return std::nullopt; // too small: it would be enlarged
    return DecodedSource{std::move(pixels), orientation, int(width), int(height)};
}

} // namespace

PixelBuffer cellThumbnail(const QString& path, int cellWidth, int cellHeight, bool autoRotate,
                          const std::atomic<bool>* stop)
{
    std::optional<DecodedSource> source = embeddedThumbnail(path, cellWidth, cellHeight, autoRotate, stop);
    if (!source) {
        PublishDecode request;
        request.path = path;
        request.boxWidth = cellWidth;
        request.boxHeight = cellHeight;
        request.autoRotate = autoRotate;
        request.stopFlag = stop;
        source = decodeForPublishing(request);
    }
    return source ? fitIntoBox(*source, cellWidth, cellHeight) : PixelBuffer{};
}

} // namespace vistello

#include "imaging/decode/EmbeddedThumbnailImage.h"

#include "imaging/decode/JpegHandler.h"
#include "jpegmeta/extras/EmbeddedThumbnail.h"

namespace vistello {

QImage embeddedThumbnailImage(const QString& path, int maxSide)
{
    const QByteArray bytes = findEmbeddedThumbnail(path).bytes;
    if (bytes.isEmpty() || maxSide < 1)
        return {};
    JpegHandler handler;
    const PixelBuffer pixels = handler.decodeMemory(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                                    size_t(bytes.size()), maxSide, maxSide, 1, 1, false);
    if (pixels.empty())
        return {};
    const QImage image = QImage(pixels.data.get(), pixels.width, pixels.height, qsizetype(pixels.rowBytes()),
                                QImage::Format_RGB888)
                             .copy();
    if (image.width() <= maxSide && image.height() <= maxSide)
        return image;
    return image.scaled(maxSide, maxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace vistello

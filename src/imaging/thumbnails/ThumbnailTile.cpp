#include "imaging/thumbnails/ThumbnailTile.h"

#include "resources/MediaMarks.h"

#include <algorithm>
#include <cstring>

namespace vistello {

namespace {

// Copies source into tile at (left, top), cut to the tile.
void copyInto(QImage& tile, const QImage& source, int left, int top)
{
    const int width = std::min(source.width(), tile.width() - left);
    const int height = std::min(source.height(), tile.height() - top);
    if (width <= 0 || height <= 0)
        return;
    for (int y = 0; y < height; ++y) {
        std::memcpy(tile.scanLine(top + y) + left * 3, source.constScanLine(y),
                    size_t(width) * 3);
    }
}

// Centred when it fits; a side that fills the tile starts at 0.
int centredOffset(int size, int tileSide)
{
    return size <= tileSide - 1 ? (tileSide - size) / 2 : 0;
}

} // namespace

QImage composeThumbnailTile(const QImage& picture, int mark, bool showMark, QRgb background,
                            QSize tileSize, int markScale)
{
    QImage tile(tileSize, QImage::Format_RGB888);
    if (tile.isNull())
        return {};
    tile.fill(background);
    const QImage rgb = picture.format() == QImage::Format_RGB888
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB888);
    copyInto(tile, rgb, centredOffset(rgb.width(), tile.width()),
             centredOffset(rgb.height(), tile.height()));
    if (showMark) {
        QImage markImage = mediaMarkImage(mark);
        if (markScale > 1 && !markImage.isNull())
            markImage = markImage.scaled(markImage.size() * markScale); // whole pixels: no blur
        if (!markImage.isNull()) {
            copyInto(tile, markImage, std::max(0, tile.width() - markImage.width()),
                     std::max(0, tile.height() - markImage.height()));
        }
    }
    return tile;
}

} // namespace vistello

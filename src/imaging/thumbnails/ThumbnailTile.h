#pragma once
// One tile of the overview page: the thumbnail centred on the tile
// background, with the media mark in the bottom-right corner.
#include <QImage>
#include <QSize>

namespace vistello {

constexpr int kThumbnailTileSize = 80;

// picture: the upright thumbnail, fitted into the tile (larger ones are cut
// at the right and bottom). mark: 0 none, 1 embedded sound, 2 companion file;
// drawn only when showMark, markScale times its size (a tile of a screen
// with 2 device pixels per pixel has a mark twice as large). The result is
// an RGB888 tile of tileSize.
QImage composeThumbnailTile(const QImage& picture, int mark, bool showMark, QRgb background,
                            QSize tileSize = {kThumbnailTileSize, kThumbnailTileSize}, int markScale = 1);

} // namespace vistello

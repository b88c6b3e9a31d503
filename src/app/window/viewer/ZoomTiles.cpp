#include "app/window/viewer/ZoomTiles.h"

#include <algorithm>
#include <cmath>

namespace vistello {

QRect ZoomTiles::rectOf(const ZoomTile& tile, QSize zoomed)
{
    return QRect(tile.column * kSide, tile.row * kSide, kSide, kSide) & QRect(QPoint(0, 0), zoomed);
}

std::vector<ZoomTile> ZoomTiles::covering(int level, QSize zoomed, QRect visible, int margin)
{
    std::vector<ZoomTile> tiles;
    const QRect shown = visible & QRect(QPoint(0, 0), zoomed);
    if (shown.isEmpty())
        return tiles;
    const int columns = (zoomed.width() + kSide - 1) / kSide;
    const int rows = (zoomed.height() + kSide - 1) / kSide;
    const int left = std::max(shown.left() / kSide - margin, 0);
    const int right = std::min(shown.right() / kSide + margin, columns - 1);
    const int top = std::max(shown.top() / kSide - margin, 0);
    const int bottom = std::min(shown.bottom() / kSide + margin, rows - 1);
    for (int row = top; row <= bottom; ++row)
        for (int column = left; column <= right; ++column)
            tiles.push_back({level, column, row});
    return tiles;
}

QRect ZoomTiles::bounds(const std::vector<ZoomTile>& tiles, QSize zoomed)
{
    QRect all;
    for (const ZoomTile& tile : tiles)
        all |= rectOf(tile, zoomed);
    return all;
}

QRect visibleZoomed(QPoint offset, QSize client, QSize zoomed, qreal ratio)
{
    const qreal r = ratio > 0 ? ratio : 1.0;
    const int left = int(std::floor(-offset.x() * r));
    const int top = int(std::floor(-offset.y() * r));
    const QRect view(left, top, int(std::ceil(client.width() * r)), int(std::ceil(client.height() * r)));
    return view & QRect(QPoint(0, 0), zoomed);
}

} // namespace vistello

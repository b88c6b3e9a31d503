#pragma once
// The zoomed picture in square tiles of device pixels: which tiles the view
// needs for what it shows (plus a margin, so that panning finds them ready)
// and which part of the picture one decode must cover to make the missing ones.
#include <QRect>
#include <QSize>
#include <vector>

namespace vistello {

struct ZoomTile {
    int level = 0;
    int column = 0;
    int row = 0;
    bool operator==(const ZoomTile&) const = default;
};

struct ZoomTiles {
    static constexpr int kSide = 512;

    // The tile's rectangle in the zoomed picture (cut at its edges).
    static QRect rectOf(const ZoomTile& tile, QSize zoomed);
    // Every tile touching visible grown by margin tiles on each side, row by row.
    static std::vector<ZoomTile> covering(int level, QSize zoomed, QRect visible, int margin);
    // The smallest rectangle holding the tiles: one decode for all of them.
    static QRect bounds(const std::vector<ZoomTile>& tiles, QSize zoomed);
};

// What the view shows of the zoomed picture, in its device pixels: offset
// and client are logical, the zoomed picture is in device pixels.
QRect visibleZoomed(QPoint offset, QSize client, QSize zoomed, qreal ratio);

} // namespace vistello

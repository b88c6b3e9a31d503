#pragma once
// The overview's hover preview without its window: it waits a moment over
// a tile, decodes the picture into a 300-pixel box, then grows from the
// tile's size a little faster each tick, staying inside the list.
#include <QRect>
#include <QSize>

namespace vistello {

struct HoverPreviewSteps {
    static constexpr int kTickMs = 20;
    static constexpr int kDecodeTick = 20; // the pointer rested 400 ms
    static constexpr int kBox = 300;
    static constexpr int kTile = 80;

    // A preview no larger than the tile would show nothing new.
    static bool worthShowing(QSize decoded) { return decoded.width() > kTile || decoded.height() > kTile; }
    // The square's side at this tick (from kDecodeTick on), at most limit.
    static int side(int tick, int limit);
    // The square of this side centred on centre, moved to lie within bounds
    // as far as it fits.
    static QRect place(QPoint centre, int side, const QRect& bounds);
};

} // namespace vistello

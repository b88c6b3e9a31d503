#include "app/window/overview/HoverPreviewSteps.h"

#include <algorithm>

namespace vistello {

int HoverPreviewSteps::side(int tick, int limit)
{
    // Each tick from the decode on adds (tick - 15) pixels to the tile's 80.
    int grown = kTile;
    for (int t = kDecodeTick; t <= tick && grown < limit; ++t)
        grown += t - 15;
    return std::min(grown, limit);
}

QRect HoverPreviewSteps::place(QPoint centre, int side, const QRect& bounds)
{
    QRect square(0, 0, side, side);
    square.moveCenter(centre);
    // Right and bottom first, so that a square wider than the bounds keeps
    // its top left corner inside.
    if (square.right() > bounds.right())
        square.moveRight(bounds.right());
    if (square.bottom() > bounds.bottom())
        square.moveBottom(bounds.bottom());
    if (square.left() < bounds.left())
        square.moveLeft(bounds.left());
    if (square.top() < bounds.top())
        square.moveTop(bounds.top());
    return square;
}

} // namespace vistello

#pragma once
// The selection of the red-eye view under the mouse: what a press grabs
// (a new selection, the whole one, a corner or an edge), how a move changes
// the rectangle, the pointer shape over it, and the scrolling while the
// pointer is near the view's border. Picture coordinates throughout.
#include "jpegedit/redeye/RedEyeEllipse.h"

#include <QPoint>
#include <QSize>
#include <QtCore/qnamespace.h>

namespace vistello {

enum class DragMode {
    None = 0,
    New = 1,
    Move = 2,
    TopLeft = 3,
    BottomRight = 4,
    TopRight = 5,
    BottomLeft = 6,
    Left = 7,
    Right = 8,
    Top = 9,
    Bottom = 10,
};

inline constexpr int kGrabMargin = 4;

// What a press at point grabs of selection: New outside it grown by 4
// pixels, a corner or edge within 4 pixels of it, else Move.
DragMode grabAt(const RedEyeRect& selection, QPoint point);

// The rectangle after the mouse moved: New spans anchor to point; Move and
// the edges move by delta. Moved edges stay inside the width x height
// picture, the rectangle keeps at least 1 pixel each way, and a moved
// rectangle is pushed back inside keeping its size.
RedEyeRect dragRect(const RedEyeRect& rect, DragMode mode, QPoint anchor, QPoint point, QPoint delta, int width,
                    int height);

// The pointer shape over point.
Qt::CursorShape cursorAt(const RedEyeRect& selection, QPoint point);

// Near the border while dragging (client coordinates): the timer runs
// within 15 pixels of the top or bottom or 10 of the sides.
bool inAutoScrollBand(QPoint pointer, QSize client);
// The lines one tick scrolls: -1, 0 or 1 each way (within 7 pixels of a side).
QPoint autoScrollStep(QPoint pointer, QSize client);

inline constexpr int kRedEyeScrollLine = 15;
inline constexpr int kRedEyeScrollMs = 100;

} // namespace vistello

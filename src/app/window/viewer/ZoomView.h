#pragma once
// Zoom mode arithmetic: the five levels from 100 % to 200 %, where the
// zoomed picture sits after zooming or moving, and the navigator inset.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace vistello {

struct ZoomView {
    static constexpr int kMinLevel = 1;
    static constexpr int kMaxLevel = 5;
    static constexpr int kMoveStep = 40;

    int level = 1;
    QPoint offset; // the zoomed picture's top left in the client area

    int scaleNum() const { return 2 * level + 6; } // over 8
    static constexpr int scaleDenom() { return 8; }
    int percent() const { return 25 * level + 75; }
    bool canZoomIn() const { return level < kMaxLevel; }
    bool canZoomOut() const { return level > kMinLevel; }

    // Keep the centre of the view where it was; zoomed is the bitmap size
    // before the change.
    void zoomIn(QSize zoomed, QSize client);
    void zoomOut(QSize zoomed, QSize client);
    // Pulls the offset back so that the picture covers the view where it
    // can and stays inside it where it is smaller.
    void clamp(QSize zoomed, QSize client);
};

// The navigator inset for a picture of the file's full size.
struct Navigator {
    int divisor = 10;
    QSize size; // the picture's full size / divisor
};
Navigator navigatorFor(QSize picture);
// The visible part of the zoomed bitmap in navigator pixels.
QRect navigatorMark(const Navigator& nav, QSize picture, QSize zoomed, QPoint offset, QSize client);
// The offset change for a drag of delta inside the navigator: the mark
// follows the mouse.
QPoint navigatorDrag(const Navigator& nav, const ZoomView& zoom, QPoint delta);

} // namespace vistello

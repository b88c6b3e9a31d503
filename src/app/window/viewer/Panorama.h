#pragma once
// Very wide or tall pictures in picture-only mode: shown at the height (or
// width) of the view and scrolled, by hand or automatically.
#include <QRect>
#include <QSize>

namespace vistello {

// Longer side over shorter side, in whole numbers, is at least 2.
bool isPanorama(QSize picture);

inline constexpr int kPanoramaTickMs = 50;
inline constexpr int kPanoramaLine = 15;
// One automatic step at "PanoramaAutoScrollSpeed" (1-10).
int panoramaStep(int speed);
// The scroll position after a step, kept inside 0 .. panoramaRange.
int panoramaPosition(int position, int step, int rendered, int client);
// The largest scroll position: the rendering's end at the view's edge.
int panoramaRange(int rendered, int client);
// The flat scroll bar: along the bottom edge for a wide picture, the right
// edge for a tall one, over the picture so that its rendering keeps the
// view's full height (or width).
QRect panoramaBarRect(QSize client, bool horizontal, int thickness);


// The rendering at its own size, scrolled by position along its long side
// and centred across it.
QRect panoramaDrawnRect(QSize client, QSize rendering, int position);

// The scroll bar for a rendering: its axis, range, page and place.
struct PanoramaBar {
    bool horizontal = true;
    int range = 0;
    int pageStep = 0;
    bool enabled = false; // something to scroll
    QRect rect;
};
PanoramaBar panoramaBar(QSize client, QSize rendering, int thickness);

} // namespace vistello

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

} // namespace vistello

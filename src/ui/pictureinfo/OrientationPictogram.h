#pragma once
// The pictograms of the eight orientation values (our own artwork, drawn in
// code): a framed "F" the way the stored picture shows an upright one.
#include <QRect>
#include <QTransform>

class QPainter;

namespace vistello {

// Maps the upright "F" (drawn around the origin) onto the stored picture.
QTransform orientationTransform(int orientation);
// outlined: the stored value, framed by a 2-pixel pen; the others get a grey frame.
void drawOrientationPictogram(QPainter& painter, const QRect& box, int orientation, bool outlined);

} // namespace vistello

#pragma once
// Where crop mode writes the rectangle's short form and its own "Crop" and
// "Cancel" buttons when the crop page cannot be seen (picture-only mode):
// under the rectangle, moved up and left so that all of it stays inside the
// view.
#include <QRect>
#include <QSize>

namespace vistello {

struct CropLabelLayout {
    QRect text;
    QRect crop;
    QRect cancel;
};

// Nothing (empty rectangles) for a rectangle smaller than 11 x 11.
// caption: the wider caption's size; buttons are 4 pixels wider and higher.
CropLabelLayout cropLabelLayout(const QRect& rectangle, QSize client, QSize textSize, QSize caption);

} // namespace vistello

#pragma once
// Edits of the shown rendering only (Ctrl with a lossless button, Ctrl+I,
// Ctrl+B): the file stays as it is.
#include "jpegedit/transform/TransformOp.h"

#include <QImage>

namespace vistello {

// The same operation the lossless engine applies to the file.
QImage transformedRendering(const QImage& image, TransformOp op);
// Y = (306 R + 601 G + 117 B) >> 10 in all three channels.
QImage greyRendering(const QImage& image);
QImage invertedRendering(const QImage& image);
// A sensor-like mosaic counted from the bottom row: even rows green/red,
// odd rows blue/green, the other channels 0.
QImage mosaicRendering(const QImage& image);

} // namespace vistello

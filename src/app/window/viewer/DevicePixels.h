#pragma once
// Logical and device pixels on screens with a scale factor: a view asks
// the decoder for its size in device pixels and draws the result 1:1,
// while its geometry stays in logical pixels.
#include <QSize>

namespace vistello {

// The device pixels covering a logical size (rounded to the nearest pixel).
QSize toDevice(QSize logical, qreal ratio);
// The logical size a rendering of device pixels takes when drawn 1:1.
QSize toLogical(QSize device, qreal ratio);
// The logical size of a rendering decoded for a view of view × ratio device
// pixels: as large as the same picture is shown at scale 1 (fitted, never
// enlarged; a panorama fills the view across), so the frame does not change.
QSize renderingLogical(QSize rendering, QSize view, qreal ratio, bool panorama);

} // namespace vistello

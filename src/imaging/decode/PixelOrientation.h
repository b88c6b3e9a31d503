#pragma once
// Turns a decoded buffer upright by its EXIF orientation: 2 mirror left to
// right, 3 rotate 180°, 4 mirror top to bottom, 5 transpose, 6 rotate 90°
// clockwise, 7 transverse, 8 rotate 90° counter-clockwise; anything else
// leaves the buffer as it is.
#include "imaging/decode/FormatHandler.h"

namespace vistello {

// The upright buffer (the same one for orientation 1 or unknown values);
// an empty buffer when memory runs out.
PixelBuffer orientPixels(PixelBuffer source, int orientation);

} // namespace vistello

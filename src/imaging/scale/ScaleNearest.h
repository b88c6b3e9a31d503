#pragma once
// Nearest-neighbour scaling of a decoder buffer into the display bitmap: the
// fast first reduction step. Each destination pixel copies the source pixel
// at (x × den / num, y × den / num); each finished row goes through the
// colour transform when one is given. With num = den it only converts the
// layout (packed rows to rows padded to 4 bytes) and applies the colours.
#include "imaging/scale/PixelBuffer.h"

#include <QImage>
#include <optional>

namespace vistello {

class ColourTransform;

// Nothing when num or den is below 1, the source is empty or the result
// would exceed the buffer cap (or cannot be allocated).
std::optional<QImage> scaleNearest(const PixelBuffer& source, int num, int den,
                                   const ColourTransform* rowTransform = nullptr);

} // namespace vistello

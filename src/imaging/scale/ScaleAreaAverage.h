#pragma once
// Area-averaging resampler (the AreaAverageScaler): every destination pixel
// is the area-weighted average of the source pixels it covers, in integer
// arithmetic. Both normalisations multiply by the truncated reciprocal
// ⌊65536 / n⌋ and shift by 16, and the horizontal result is cut to a byte
// before the vertical pass, so results read slightly darker than the exact
// average (white reduced 1200 → 800 reads 252, then 249).
//
// Two layouts, differing only in how rows are addressed: the display bitmap
// (QImage RGB888, rows padded to 4 bytes) and the packed decoder buffer.
// Channel order and row order are kept.
#include "imaging/scale/PixelBuffer.h"

#include <QImage>
#include <optional>

namespace vistello {

// Nothing when num or den is below 1, num = den, the source is empty or not
// RGB888, or a buffer cannot be had; the caller keeps its bitmap then.
std::optional<QImage> scaleAreaAverage(const QImage& source, int num, int den);
std::optional<PixelBuffer> scaleAreaAverage(const PixelBuffer& source, int num, int den);
// From the decoder buffer straight into the display bitmap: the same pixels as
// a 1/1 nearest-neighbour step without colour transform followed by
// scaleAreaAverage, without the intermediate copy.
std::optional<QImage> scaleAreaAverageToImage(const PixelBuffer& source, int num, int den);

} // namespace vistello

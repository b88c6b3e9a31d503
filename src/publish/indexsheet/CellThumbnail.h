#pragma once
// A picture fitted into an index cell. A JPEG's embedded thumbnail is used
// when it has the picture's proportions (within 2 %) and is at least as
// large as the fitted picture, which spares decoding a camera picture of
// many megapixels; otherwise the picture is decoded at the DCT scale that
// covers the cell. Empty when the picture cannot be decoded.
#include "imaging/scale/PixelBuffer.h"

#include <QString>
#include <atomic>

namespace vistello {

PixelBuffer cellThumbnail(const QString& path, int cellWidth, int cellHeight, bool autoRotate,
                          const std::atomic<bool>* stop);

} // namespace vistello

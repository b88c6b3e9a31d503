#pragma once
// The thumbnail a newly written JPEG carries in its JFXX segment: the
// picture fitted into 160 x 120 with the area-averaging scaler, compressed
// at quality 90 without a header of its own. Pictures smaller than 320 x 240
// on both sides get none.
#include "imaging/scale/PixelBuffer.h"

#include <QByteArray>
#include <QSize>

namespace vistello {

// An empty size when the picture gets no thumbnail.
QSize jfxxThumbnailSize(int width, int height);
// Empty when there is none or any step fails; the file then goes without.
QByteArray makeJfxxThumbnail(const PixelBuffer& picture);

} // namespace vistello

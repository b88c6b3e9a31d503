#pragma once
// How publishing jobs put files in place: always whole, through a temporary
// file renamed over the name, so two jobs writing into one folder never
// leave a mixed or truncated file.
#include "imaging/scale/PixelBuffer.h"

#include <QByteArray>
#include <QString>

namespace vistello {

// A new JPEG (JFIF header) at the given qualities, every component 1 x 1;
// -1 for a quality means the writer's default.
[[nodiscard]] bool writeNewJpeg(const QString& path, const PixelBuffer& pixels, int luminanceQuality, int chrominanceQuality);

// A byte copy of source at target, replacing what stands there.
[[nodiscard]] bool copyFileReplacing(const QString& source, const QString& target);

} // namespace vistello

#pragma once
// What a format handler's writePicture gets: a decoded picture and where and
// how to write it. Formats without quality levels ignore the JPEG fields.
#include "imaging/scale/PixelBuffer.h"

#include <QString>

namespace vistello {

struct PictureWriteRequest {
    QString path;                    // created or replaced
    const PixelBuffer* pixels = nullptr;
    int luminanceQuality = -1;       // 0-100; below 0: the format's option string decides
    int chrominanceQuality = -1;
    bool fullChroma = true;          // every component sampled 1 x 1; false keeps the sampling of the JPEG at path
    bool newFile = true;             // false: the JPEG at path is rewritten and its header segments carried over
};

} // namespace vistello

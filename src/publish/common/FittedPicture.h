#pragma once
// The pictures a publishing job makes from a file: decoded once at the
// smallest DCT scale that covers what is needed (colour values as stored),
// then fitted into a box, which may enlarge, and turned upright last (the
// gallery's scaled copies go through the resize engine instead).
#include "imaging/scale/PixelBuffer.h"

#include <QString>
#include <atomic>
#include <optional>

namespace vistello {

struct PublishDecode {
    QString path;
    int boxWidth = 0;  // the decode covers this box; 0 x 0 with a scale below
    int boxHeight = 0;
    int scaleNum = 1;  // without a box: at least this share of the full size
    int scaleDen = 1;
    bool strict = false;    // main image only, any damage fails
    bool autoRotate = true; // the "Orientation" setting
    const std::atomic<bool>* stopFlag = nullptr;
};

struct DecodedSource {
    PixelBuffer pixels; // as stored, not yet upright
    int orientation = 1;
    int fileWidth = 0;
    int fileHeight = 0;
};

std::optional<DecodedSource> decodeForPublishing(const PublishDecode& request);

// The ratio that fits width x height into the box, touching it from inside
// or enlarging until it does: box width / width when height x box width <
// box height x width, else box height / height.
struct FitRatio {
    int num = 1;
    int den = 1;
};
FitRatio boxFitRatio(int width, int height, int boxWidth, int boxHeight);

// Fitted into the box (sides as they will stand upright; a side below 1
// keeps the size), then upright. Empty when memory runs out.
PixelBuffer fitIntoBox(const DecodedSource& source, int boxWidth, int boxHeight);

} // namespace vistello

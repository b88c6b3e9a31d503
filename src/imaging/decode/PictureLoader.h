#pragma once
// The work behind DecodedPicture::load: a pure function from a request to
// the fitted, upright display bitmap, so that any thread can run it and
// tests need no view.
#include "imaging/cache/PictureCache.h"
#include "imaging/colour/ColourTransform.h"
#include "imaging/decode/FormatHandler.h"

#include <QString>
#include <atomic>
#include <memory>
#include <optional>

namespace vistello {

class CompanionSoundIndex;

struct PictureRequest {
    QString path;
    int boxWidth = 0; // 0 × 0: not reduced
    int boxHeight = 0;
    int scaleNum = 1;
    int scaleDenom = 1;
    int reduceNum = 3; // the thumbnail variant always uses 1/1
    int reduceDenom = 2;
    bool panoramaMode = false;
    bool useColourProfiles = true;
    bool allowEnlarge = false;
    bool autoRotate = true;
    bool thumbnail = false;       // embedded thumbnail first, fast decode
    bool strict = false;          // FormatHandler::strictDecode: main image only, warnings fail
    bool showMediaMarks = false;  // thumbnails: look for sound
    CompanionSoundIndex* soundIndex = nullptr; // the caller's folder listings, else listed per call
    const std::atomic<bool>* stopFlag = nullptr;
    std::shared_ptr<const ColourTransform> displayTransform;
};

// The handler's buffer before it is turned upright and fitted.
struct HandlerOutput {
    PixelBuffer pixels;
    int orientation = 1; // to apply
    int fileWidth = 0;
    int fileHeight = 0;
    int mcuWidth = 1;
    int mcuHeight = 1;
    int mediaMark = 0;
    bool panorama = false;
};

// Nothing when no handler decodes the file.
std::optional<HandlerOutput> decodeWithHandler(const PictureRequest& request);
// Upright, first (nearest-neighbour) and second (area-averaging) reduction.
std::optional<QImage> finishPicture(HandlerOutput output, const PictureRequest& request);
std::optional<CachedPicture> loadPicture(const PictureRequest& request);

} // namespace vistello

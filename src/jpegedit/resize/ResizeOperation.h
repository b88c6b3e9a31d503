#pragma once
// Resizing one picture in memory: decode it strictly (the main image only,
// at the smallest DCT reduction that still covers the box or ratio, without
// colour conversion), scale the rest of the way with the area-averaging
// scaler, optionally turn it upright, and encode it in its own format - once,
// or by one of the searches that meet a file-size limit. Nothing is written
// here: the caller puts the chosen file in place once.
#include "core/settings/ResizeSettings.h"
#include "imaging/decode/FormatHandler.h"
#include "imaging/decode/PictureLoader.h"
#include "jpegedit/resize/ResizeSearch.h"

#include <QString>
#include <atomic>
#include <functional>
#include <optional>

namespace vistello {

struct ResizeRequest {
    int boxWidth = 0; // fit box; 0: none
    int boxHeight = 0;
    int ratioNum = 1; // scale ratio of the full size; 1/1: none
    int ratioDen = 1;
    int luminanceQuality = -1; // 0-100; -1: automatic
    int chrominanceQuality = -1;
    int fileSizeKB = 0;     // 0: no limit
    bool upright = false;   // turn the picture by its EXIF orientation after scaling...
    bool autoRotate = true; // ...when the viewer turns pictures automatically ("Orientation")
};

// The request a resize record describes (box or ratio when the size is on,
// qualities when given, the limit when on).
ResizeRequest resizeRequestFrom(const ResizeSettings& settings);

struct ResizeSource {
    PixelBuffer pixels;
    bool turned = false; // turned upright: a carried-over EXIF orientation must become 1
};

// Nothing (error says why) for a picture that does not decode cleanly or
// cannot be scaled.
std::optional<ResizeSource> loadForResize(const QString& path, const ResizeRequest& request,
                                          const std::atomic<bool>* stopFlag, QString* error);
// The scaling and turning of loadForResize for a picture decoded elsewhere,
// strictly and not yet upright (its orientation 1 unless it is to be
// turned): the gallery decodes once for its thumbnail and its copy.
std::optional<ResizeSource> resizeDecoded(HandlerOutput decoded, const ResizeRequest& request, QString* error);

struct ResizeEncoding {
    std::optional<ResizeCandidate> chosen; // empty: encoding failed (error says why)
    bool limitMet = true;
    QString error;
};

// Encodes with writer (the picture's format, its option string set). A
// non-empty headerSource is the JPEG whose header segments the result
// carries; empty makes a new file's header. trace sees every trial.
ResizeEncoding encodeResized(FormatHandler& writer, const ResizeSource& source, const ResizeRequest& request,
                             const QString& headerSource,
                             const std::function<void(const ResizeCandidate&)>& trace = {});

} // namespace vistello

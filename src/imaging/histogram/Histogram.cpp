#include "imaging/histogram/Histogram.h"

#include "imaging/decode/PictureLoader.h"

#include <algorithm>

namespace vistello {

namespace {

// Grey = 0.299 R + 0.587 G + 0.114 B, in thousandths so that a white
// picture gives exactly 100 %.
constexpr uint64_t kRedWeight = 299;
constexpr uint64_t kGreenWeight = 587;
constexpr uint64_t kBlueWeight = 114;

// The luminance counter of a level, from the channel counters of that level.
constexpr uint64_t kRedLevelWeight = 306;
constexpr uint64_t kGreenLevelWeight = 601;
constexpr uint64_t kBlueLevelWeight = 117;

} // namespace

Histogram histogramOf(const QImage& picture)
{
    Histogram h;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull()) {
        h.failed = true;
        return h;
    }
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar* p = rgb.constScanLine(y);
        for (int x = 0; x < rgb.width(); ++x, p += 3) {
            ++h.red[p[0]];
            ++h.green[p[1]];
            ++h.blue[p[2]];
            h.sumRed += p[0];
            h.sumGreen += p[1];
            h.sumBlue += p[2];
        }
    }
    h.pixels = uint64_t(rgb.width()) * uint64_t(rgb.height());
    for (size_t v = 0; v < 256; ++v) {
        h.luminance[v] = uint32_t((kRedLevelWeight * h.red[v] + kGreenLevelWeight * h.green[v]
                                   + kBlueLevelWeight * h.blue[v]) >> 10);
        h.largest = std::max({h.largest, h.red[v], h.green[v], h.blue[v], h.luminance[v]});
    }
    // grey / (pixels x 2.55) = 1000 grey / (pixels x 2550)
    const uint64_t weighted = kRedWeight * h.sumRed + kGreenWeight * h.sumGreen + kBlueWeight * h.sumBlue;
    h.averageGrey = h.pixels ? int(weighted / (h.pixels * 2550)) : 0;
    return h;
}

Histogram readHistogram(const QString& path, const std::atomic<bool>* stopFlag)
{
    PictureRequest request;
    request.path = path;
    request.boxWidth = kHistogramBox;
    request.boxHeight = kHistogramBox;
    request.reduceNum = 1; // nearest neighbour straight into the box, no averaging
    request.reduceDenom = 1;
    request.autoRotate = false; // turning changes no count
    request.stopFlag = stopFlag;
    const std::optional<CachedPicture> picture = loadPicture(request);
    if (!picture) {
        Histogram failed;
        failed.failed = true;
        return failed;
    }
    return histogramOf(picture->image);
}

} // namespace vistello

#include "imaging/decode/PixelOrientation.h"
#include "platform/HugePages.h"

#include <new>

namespace vistello {

namespace {

// Where the upright pixel (x, y) comes from in the stored w × h buffer, as a
// start position and the steps along an upright row and down its column.
struct Walk {
    int64_t start;    // stored pixel index of upright (0, 0)
    int64_t acrossStep; // stored index step for x + 1
    int64_t downStep;   // stored index step for y + 1
};

Walk walkFor(int orientation, int64_t w, int64_t h)
{
    switch (orientation) {
    case 2: return {w - 1, -1, w};                 // mirror left to right
    case 3: return {w * h - 1, -1, -w};            // rotate 180°
    case 4: return {(h - 1) * w, 1, -w};           // mirror top to bottom
    case 5: return {0, w, 1};                      // transpose
    case 6: return {(h - 1) * w, -w, 1};           // rotate 90° clockwise
    case 7: return {w * h - 1, -w, -1};            // transverse
    case 8: return {w - 1, w, -1};                 // rotate 90° counter-clockwise
    default: return {0, 1, w};
    }
}

} // namespace

PixelBuffer orientPixels(PixelBuffer source, int orientation)
{
    if (source.empty() || orientation < 2 || orientation > 8)
        return source;
    const bool turned = orientation >= 5;
    PixelBuffer result;
    result.width = turned ? source.height : source.width;
    result.height = turned ? source.width : source.height;
    result.data.reset(new (std::nothrow) uint8_t[source.byteCount()]);
    adviseHugePages(result.data.get(), source.byteCount());
    if (!result.data)
        return {};
    const Walk walk = walkFor(orientation, source.width, source.height);
    const uint8_t* in = source.data.get();
    uint8_t* out = result.data.get();
    for (int64_t y = 0; y < result.height; ++y) {
        int64_t i = walk.start + y * walk.downStep;
        for (int64_t x = 0; x < result.width; ++x, i += walk.acrossStep, out += 3) {
            const uint8_t* p = in + i * 3;
            out[0] = p[0];
            out[1] = p[1];
            out[2] = p[2];
        }
    }
    return result;
}

} // namespace vistello

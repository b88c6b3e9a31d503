#include "imaging/decode/CmykToRgb.h"

#include <algorithm>

namespace vistello {

namespace {
inline uint8_t channel(unsigned ink, unsigned k)
{
    return uint8_t(255 - std::min(255u, k + ink * (255 - k) / 255));
}
} // namespace

void cmykRowToRgb(const uint8_t* cmyk, uint8_t* rgb, int pixelCount, bool inverted)
{
    const unsigned flip = inverted ? 255 : 0;
    for (int i = 0; i < pixelCount; ++i, cmyk += 4, rgb += 3) {
        const unsigned k = cmyk[3] ^ flip;
        rgb[0] = channel(cmyk[0] ^ flip, k);
        rgb[1] = channel(cmyk[1] ^ flip, k);
        rgb[2] = channel(cmyk[2] ^ flip, k);
    }
}

} // namespace vistello

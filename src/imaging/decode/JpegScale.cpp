#include "imaging/decode/JpegScale.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace vistello {

JpegScale chooseJpegScale(const JpegScaleRequest& r)
{
    if (r.imageWidth < 1 || r.imageHeight < 1)
        return {};
    if (r.boxWidth >= 1 && r.boxHeight >= 1) {
        int64_t boxWidth = r.boxWidth;
        int64_t boxHeight = r.boxHeight;
        if (r.orientation > 4)
            std::swap(boxWidth, boxHeight);
        if (!r.allowEnlarge && boxWidth >= r.imageWidth && boxHeight >= r.imageHeight)
            return {};
        const int64_t j = (boxWidth * 8 + r.imageWidth - 1) / r.imageWidth;
        const int64_t k = (boxHeight * 8 + r.imageHeight - 1) / r.imageHeight;
        const int longer = std::max(r.imageWidth, r.imageHeight);
        const int shorter = std::min(r.imageWidth, r.imageHeight);
        const bool panorama = r.panoramaMode && longer / shorter > 1;
        const int64_t n = panorama ? std::max(j, k) : std::min(j, k);
        return {int(std::clamp<int64_t>(n, 1, r.allowEnlarge ? 16 : 8)), 8};
    }
    if (r.scaleNum >= 1 && r.scaleDenom >= 1 && r.scaleNum != r.scaleDenom)
        return {r.scaleNum, r.scaleDenom};
    return {};
}

} // namespace vistello

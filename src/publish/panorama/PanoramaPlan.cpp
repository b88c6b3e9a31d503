#include "publish/panorama/PanoramaPlan.h"

#include <algorithm>
#include <cstdint>

namespace vistello {

PanoramaPlan planPanorama(const PanoramaInput& in)
{
    PanoramaPlan plan;
    if (in.width <= 0 || in.height <= 0 || in.printerX <= 0 || in.printerY <= 0)
        return plan;
    const int64_t W = in.width;
    const int64_t A = std::max(in.blockWidth, 1);
    const int64_t across = in.landscape ? in.printerY : in.printerX;
    const int64_t down = in.landscape ? in.printerX : in.printerY;
    const int64_t S = int64_t(in.height) * across / down;
    plan.segmentWidth = S;
    plan.overlap = int(std::clamp<int64_t>(in.overlap, 0, S / 2));
    if (S <= 0 || S >= W)
        return plan;
    const int64_t cut = std::max(S, A);
    int64_t x = 0;
    int number = 0;
    while (x < W - S) {
        // A block wider than the segment must not cut past the right edge.
        plan.segments.push_back({++number, int(x), int(std::min(cut, W - x))});
        int64_t next = x + cut - plan.overlap;
        next -= next % A;
        if (next <= x) {
            plan.segments.clear();
            plan.stalls = true;
            return plan;
        }
        x = next;
    }
    if (x < W)
        plan.segments.push_back({++number, int(x), int(W - x)});
    return plan;
}

} // namespace vistello

#include "imaging/decode/PictureFitting.h"

#include <cstdint>

namespace vistello {

namespace {

// The ratio that brings w × h inside limitW × limitH, on the side that binds.
Ratio fitInside(int64_t w, int64_t h, int64_t limitW, int64_t limitH)
{
    if (h * limitW < w * limitH)
        return {int(limitW), int(w)};
    return {int(limitH), int(h)};
}

} // namespace

FitPlan planFitting(const FitRequest& r)
{
    FitPlan plan;
    const int64_t w = r.width;
    const int64_t h = r.height;
    if (r.boxWidth < 1 || r.boxHeight < 1 || w < 1 || h < 1 || r.reduceDenom < 1)
        return plan;
    const int64_t boxW = r.boxWidth;
    const int64_t boxH = r.boxHeight;

    if (r.panorama) {
        if (h > boxH && w > boxW)
            plan.first = h * boxW < w * boxH ? Ratio{int(boxH), int(h)} : Ratio{int(boxW), int(w)};
        return plan;
    }

    const int64_t limitW = boxW * r.reduceNum / r.reduceDenom;
    const int64_t limitH = boxH * r.reduceNum / r.reduceDenom;
    if ((h > limitH || w > limitW) && limitW >= 1 && limitH >= 1)
        plan.first = fitInside(w, h, limitW, limitH);
    const int64_t w1 = w * plan.first.num / plan.first.den;
    const int64_t h1 = h * plan.first.num / plan.first.den;
    if ((h1 > boxH || w1 > boxW) && w1 >= 1 && h1 >= 1)
        plan.second = fitInside(w1, h1, boxW, boxH);
    return plan;
}

} // namespace vistello

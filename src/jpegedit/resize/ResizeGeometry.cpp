#include "jpegedit/resize/ResizeGeometry.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <utility>

namespace vistello {

namespace {

// A ratio of 64-bit terms reduced to the scaler's int terms; where they
// still do not fit, the same result for the longer side.
ScaleRatio reduced(int64_t num, int64_t den, int64_t longerSide)
{
    const int64_t divisor = std::gcd(num, den);
    num /= divisor;
    den /= divisor;
    constexpr int64_t kIntMax = std::numeric_limits<int>::max();
    if (num <= kIntMax && den <= kIntMax)
        return {int(num), int(den)};
    return {int(std::clamp<int64_t>(longerSide * num / den, 1, kIntMax)), int(longerSide)};
}

} // namespace

ScaleRatio boxRatio(int w, int h, int boxWidth, int boxHeight, bool turned)
{
    if (w <= 0 || h <= 0 || boxWidth <= 0 || boxHeight <= 0)
        return {};
    int64_t W = boxWidth;
    int64_t H = boxHeight;
    if (turned)
        std::swap(W, H);
    if (int64_t(h) * W < H * int64_t(w))
        return reduced(W, w, std::max(w, h));
    return reduced(H, h, std::max(w, h));
}

ScaleRatio relativeRatio(int n, int d, int w, int h, int fileWidth, int fileHeight)
{
    if (n <= 0 || d <= 0 || n == d || w <= 0 || h <= 0)
        return {};
    const int64_t longer = std::max(w, h);
    const int64_t full = std::max(1, w > h ? fileWidth : fileHeight);
    return reduced(int64_t(n) * full, int64_t(d) * longer, longer);
}

ScaleRatio limitedToMaxSide(ScaleRatio ratio, int w, int h)
{
    const int64_t longer = std::max(w, h);
    if (ratio.den <= 0 || longer * ratio.num / ratio.den <= kMaxResizedSide)
        return ratio;
    return {kMaxResizedSide, int(longer)};
}

} // namespace vistello

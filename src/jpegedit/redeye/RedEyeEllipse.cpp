#include "jpegedit/redeye/RedEyeEllipse.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace vistello {

std::vector<EllipseSpan> ellipseSpans(const RedEyeRect& rect)
{
    std::vector<EllipseSpan> spans;
    if (rect.empty())
        return spans;
    const std::int64_t l = rect.left;
    const std::int64_t r = rect.right;
    const std::int64_t a = (r - l) / 2;
    const std::int64_t c = (std::int64_t(rect.bottom) - rect.top) / 2;
    const std::int64_t cx = (l + r) / 2;
    const std::int64_t cy = (std::int64_t(rect.top) + rect.bottom) / 2;
    const std::int64_t a2 = a * a;
    const std::int64_t c2 = c * c;
    const std::int64_t limit = a2 * c2;
    spans.reserve(std::size_t(rect.height()));
    for (int y = rect.top; y < rect.bottom; ++y) {
        const std::int64_t dy = y - cy;
        const std::int64_t rowTerm = dy * dy * a2;
        const auto inside = [&](std::int64_t x) { return (x - cx) * (x - cx) * c2 + rowTerm <= limit; };
        // Left of the centre the test only gets easier with x: the first
        // column inside is found by bisection.
        if (!inside(std::max(cx, l)))
            continue;
        std::int64_t low = l;
        std::int64_t high = std::max(cx, l);
        while (low < high) {
            const std::int64_t mid = low + (high - low) / 2;
            if (inside(mid))
                high = mid;
            else
                low = mid + 1;
        }
        const std::int64_t end = l + r - low;
        if (low < end)
            spans.push_back({y, int(low), int(end)});
    }
    return spans;
}

RedEyeRect normalisedRect(RedEyeRect rect, int width, int height)
{
    if (rect.left > rect.right)
        std::swap(rect.left, rect.right);
    if (rect.top > rect.bottom)
        std::swap(rect.top, rect.bottom);
    rect.left = std::clamp(rect.left, 0, std::max(width, 0));
    rect.right = std::clamp(rect.right, 0, std::max(width, 0));
    rect.top = std::clamp(rect.top, 0, std::max(height, 0));
    rect.bottom = std::clamp(rect.bottom, 0, std::max(height, 0));
    return rect;
}

} // namespace vistello

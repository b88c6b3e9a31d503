#pragma once
// The ellipse inscribed in a selection rectangle, as one span of columns per
// row. All products are 64-bit: a²c² of a whole-picture ellipse does not fit
// in 32 bits.
#include <vector>

namespace vistello {

// Edges in picture pixels; right and bottom are exclusive.
struct RedEyeRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }

    friend bool operator==(const RedEyeRect&, const RedEyeRect&) = default;
};

// Columns [begin, end) of row y.
struct EllipseSpan {
    int y = 0;
    int begin = 0;
    int end = 0;
};

// Rows without a span are left out.
std::vector<EllipseSpan> ellipseSpans(const RedEyeRect& rect);

// rect with its edges ordered and limited to a width x height picture.
RedEyeRect normalisedRect(RedEyeRect rect, int width, int height);

} // namespace vistello

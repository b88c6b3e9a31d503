#pragma once
// The size arithmetic of resizing, in 64 bits: the ratio that fits a
// picture into a box, the ratio that makes it n/d of its full size after the
// decoder already reduced it, and the cut that keeps both sides at most
// 65500 pixels (the JPEG limit).
#include <cstdint>

namespace vistello {

inline constexpr int kMaxResizedSide = 65500;

struct ScaleRatio {
    int num = 1;
    int den = 1;

    bool identity() const { return num == den; }
    bool operator==(const ScaleRatio&) const = default;
};

// A w x h picture into boxWidth x boxHeight (sides swapped when the picture
// is turned by 90 degrees afterwards): the side that limits the fit decides;
// smaller pictures are enlarged until they touch the box.
ScaleRatio boxRatio(int w, int h, int boxWidth, int boxHeight, bool turned);
// n/d of the full size fileWidth x fileHeight for a picture decoded at
// w x h; 1/1 when n or d is 0 or below, or n = d.
ScaleRatio relativeRatio(int n, int d, int w, int h, int fileWidth, int fileHeight);
// The ratio, cut so that neither side of w x h grows beyond kMaxResizedSide.
ScaleRatio limitedToMaxSide(ScaleRatio ratio, int w, int h);

} // namespace vistello

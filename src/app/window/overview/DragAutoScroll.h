#pragma once
// While a picture is dragged out of the overview, the list scrolls when the
// pointer comes near its top or bottom: a 100 ms timer runs inside a 15-pixel
// band, and each tick scrolls a line when the pointer is within 7 pixels.
namespace vistello {

struct DragAutoScroll {
    static constexpr int kTickMs = 100;
    static constexpr int kBand = 15;
    static constexpr int kEdge = 7;

    // y in the list's client area of this height.
    static bool inBand(int y, int height) { return y >= 0 && y < height && (y < kBand || height - y <= kBand); }
    // -1 a line up, +1 a line down, 0 none.
    static int lines(int y, int height)
    {
        if (!inBand(y, height))
            return 0;
        return y < kEdge ? -1 : height - y < kEdge ? 1 : 0;
    }
};

} // namespace vistello

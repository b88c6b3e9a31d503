#pragma once
// The picture being corrected: the untouched source and the edited copy,
// both packed RGB in the file's own colours (a display colour transform is
// the view's business, so it never reaches the saved pixels). Every
// correction first restores its ellipse from the source, so an area can be
// corrected again with another intensity.
#include "imaging/scale/PixelBuffer.h"
#include "jpegedit/redeye/RedEyeEllipse.h"
#include "jpegedit/redeye/RedEyePixels.h"

#include <cstdint>

namespace vistello {

struct RedTest {
    std::int64_t redPixels = 0; // red ellipse pixels
    std::int64_t area = 0;      // the rectangle's pixels

    // More than 1 % of the rectangle is red.
    bool red() const { return redPixels * 100 > area; }
};

class RedEyePicture {
public:
    RedEyePicture() = default;
    // Empty when memory runs out.
    explicit RedEyePicture(PixelBuffer source);

    bool empty() const { return source_.empty(); }
    int width() const { return source_.width; }
    int height() const { return source_.height; }
    const PixelBuffer& source() const { return source_; }
    const PixelBuffer& edited() const { return edited_; }

    // Restores the ellipse of rect, then counts its red pixels.
    RedTest testSelection(const RedEyeRect& rect);
    // Restores the ellipse of rect, then corrects its red pixels; the
    // number of pixels whose colour changed.
    std::int64_t correctSelection(const RedEyeRect& rect, int intensity);
    // The ellipse of rect back to the source; everything when rect is
    // narrower or lower than 2 pixels.
    void resetSelection(const RedEyeRect& rect);
    bool differs() const;

private:
    void restoreEllipse(const std::vector<EllipseSpan>& spans);
    RedEyeRect clamp(const RedEyeRect& rect) const;

    PixelBuffer source_;
    PixelBuffer edited_;
};

// A deep copy; empty when memory runs out.
PixelBuffer copyPixels(const PixelBuffer& pixels);

} // namespace vistello

#include "jpegedit/redeye/RedEyePicture.h"

#include <cstring>
#include <new>
#include <utility>

namespace vistello {

namespace {

std::uint8_t* pixelAt(const PixelBuffer& pixels, int x, int y)
{
    return pixels.data.get() + std::size_t(y) * pixels.rowBytes() + std::size_t(x) * 3;
}

} // namespace

PixelBuffer copyPixels(const PixelBuffer& pixels)
{
    PixelBuffer copy;
    if (pixels.empty())
        return copy;
    copy.data.reset(new (std::nothrow) std::uint8_t[pixels.byteCount()]);
    if (!copy.data)
        return copy;
    std::memcpy(copy.data.get(), pixels.data.get(), pixels.byteCount());
    copy.width = pixels.width;
    copy.height = pixels.height;
    return copy;
}

RedEyePicture::RedEyePicture(PixelBuffer source)
{
    edited_ = copyPixels(source);
    if (!edited_.empty())
        source_ = std::move(source);
}

RedEyeRect RedEyePicture::clamp(const RedEyeRect& rect) const
{
    return normalisedRect(rect, width(), height());
}

void RedEyePicture::restoreEllipse(const std::vector<EllipseSpan>& spans)
{
    for (const EllipseSpan& span : spans)
        std::memcpy(pixelAt(edited_, span.begin, span.y), pixelAt(source_, span.begin, span.y),
                    std::size_t(span.end - span.begin) * 3);
}

RedTest RedEyePicture::testSelection(const RedEyeRect& rect)
{
    RedTest test;
    if (empty())
        return test;
    const RedEyeRect r = clamp(rect);
    test.area = std::int64_t(r.width()) * r.height();
    const std::vector<EllipseSpan> spans = ellipseSpans(r);
    restoreEllipse(spans);
    for (const EllipseSpan& span : spans)
        for (int x = span.begin; x < span.end; ++x) {
            const std::uint8_t* p = pixelAt(edited_, x, span.y);
            if (isRedPixel({p[0], p[1], p[2]}))
                ++test.redPixels;
        }
    return test;
}

std::int64_t RedEyePicture::correctSelection(const RedEyeRect& rect, int intensity)
{
    if (empty())
        return 0;
    const std::vector<EllipseSpan> spans = ellipseSpans(clamp(rect));
    restoreEllipse(spans);
    std::int64_t changed = 0;
    for (const EllipseSpan& span : spans)
        for (int x = span.begin; x < span.end; ++x) {
            std::uint8_t* p = pixelAt(edited_, x, span.y);
            const Rgb old{p[0], p[1], p[2]};
            if (!isRedPixel(old))
                continue;
            const Rgb now = correctedRedPixel(old, intensity);
            if (now == old)
                continue;
            p[0] = now.red;
            p[1] = now.green;
            p[2] = now.blue;
            ++changed;
        }
    return changed;
}

void RedEyePicture::resetSelection(const RedEyeRect& rect)
{
    if (empty())
        return;
    const RedEyeRect r = clamp(rect);
    if (r.width() >= 2 && r.height() >= 2)
        restoreEllipse(ellipseSpans(r));
    else
        std::memcpy(edited_.data.get(), source_.data.get(), source_.byteCount());
}

bool RedEyePicture::differs() const
{
    return !empty() && std::memcmp(edited_.data.get(), source_.data.get(), source_.byteCount()) != 0;
}

} // namespace vistello

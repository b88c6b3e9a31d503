#include "jpegedit/redeye/RedEyePixels.h"

#include <algorithm>

namespace vistello {

namespace {

std::uint8_t toByte(double value)
{
    // Truncated toward zero, then limited.
    const long long whole = static_cast<long long>(value);
    return static_cast<std::uint8_t>(std::clamp<long long>(whole, 0, 255));
}

} // namespace

bool isRedPixel(const Rgb& pixel)
{
    const std::int64_t r = pixel.red;
    const std::int64_t g = pixel.green;
    const std::int64_t b = pixel.blue;
    return r * r * 1024 / (g * g + b * b + 1) > 1500;
}

Rgb correctedRedPixel(const Rgb& pixel, int intensity)
{
    const int u = std::clamp(intensity, kMinRedEyeIntensity, kMaxRedEyeIntensity);
    const double r = pixel.red;
    const double g = pixel.green;
    const double b = pixel.blue;
    const double y = 0.299 * r + 0.587 * g + 0.114 * b;
    const double cb = 0.5 * b - 0.3313 * g - 0.1687 * r;
    const double cr = 0.5 * r - 0.4187 * g - 0.0813 * b;
    const double kY = (50 - std::max(u - 30, 0) * 50 / 20) * 0.02;
    const double kC = (50 - std::min(u + 20, 50)) / 70.0;
    const double y2 = kY * y;
    const double cb2 = kC * cb;
    const double cr2 = kC * cr;
    Rgb out;
    out.blue = toByte(y2 + 1.772 * cb2);
    out.green = toByte(y2 - 0.34414 * cb2 - 0.71414 * cr2);
    out.red = toByte(y2 + 1.402 * cr2);
    return out;
}

} // namespace vistello

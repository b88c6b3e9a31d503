#pragma once
// The per-pixel rules of red-eye removal: which pixel counts as red, and
// what a red pixel becomes at an intensity of 1 to 50 (darker and less
// saturated as the intensity grows: 40 gives grey at half brightness, 50
// black).
#include <cstdint>

namespace vistello {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr int kMinRedEyeIntensity = 1;
inline constexpr int kMaxRedEyeIntensity = 50;

// R² × 1024 ÷ (G² + B² + 1) > 1500, in integers.
bool isRedPixel(const Rgb& pixel);

// The corrected colour (intensity clamped to 1-50), computed in YCbCr.
Rgb correctedRedPixel(const Rgb& pixel, int intensity);

} // namespace vistello

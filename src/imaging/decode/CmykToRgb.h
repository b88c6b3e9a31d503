#pragma once
// The simple CMYK to RGB conversion used when a CMYK JPEG carries no usable
// colour profile: red = 255 − min(255, k + c × (255 − k) / 255), green and
// blue likewise with m and y. Files with the Adobe marker store every value
// inverted (0 = full ink); those are turned round first.
#include <cstdint>

namespace vistello {

void cmykRowToRgb(const uint8_t* cmyk, uint8_t* rgb, int pixelCount, bool inverted);

} // namespace vistello

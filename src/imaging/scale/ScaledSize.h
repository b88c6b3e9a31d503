#pragma once
// The size a side takes under a ratio num/den: num x side / den in integer
// arithmetic, at least 1. Shared by both scalers so that they agree.
#include <algorithm>
#include <cstdint>

namespace vistello {

constexpr int64_t scaledSide(int64_t side, int64_t num, int64_t den)
{
    return std::max<int64_t>(1, side * num / den);
}

} // namespace vistello

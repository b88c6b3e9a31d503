#pragma once
// The value an integer formatter sees: the elements of an entry whose values
// fit in its value field (at most four), each masked to its own size, so a
// SHORT -1 reads 0xFFFF.
#include <array>
#include <cstdint>

namespace vistello {

struct IntegerValue {
    uint32_t value = 0;                  // the first element
    uint32_t count = 0;                  // elements present (0..4)
    std::array<uint32_t, 4> elements{}; // in stored order

    uint32_t element(uint32_t i) const { return i < count ? elements[i] : 0; }
    uint32_t last() const { return count ? elements[count - 1] : 0; }

    static IntegerValue single(uint32_t v) { return IntegerValue{v, 1, {v, 0, 0, 0}}; }
};

} // namespace vistello

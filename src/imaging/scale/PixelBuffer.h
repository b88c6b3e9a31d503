#pragma once
// The decoders' output and the scalers' input: packed RGB rows.
#include <cstddef>
#include <cstdint>
#include <memory>

namespace vistello {

// Top-down rows of red, green, blue, packed (width × 3 bytes per row).
struct PixelBuffer {
    std::unique_ptr<std::uint8_t[]> data;
    int width = 0;
    int height = 0;

    bool empty() const { return !data || width <= 0 || height <= 0; }
    std::size_t rowBytes() const { return std::size_t(width) * 3; }
    std::size_t byteCount() const { return rowBytes() * std::size_t(height); }
};

} // namespace vistello

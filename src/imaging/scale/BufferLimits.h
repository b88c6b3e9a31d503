#pragma once
// The largest pixel buffer the decoder and the scalers will allocate. Sizes
// come from files (hostile headers can claim 65535 x 65535 pixels), so every
// size is computed in 64 bits and checked against this cap before anything
// is allocated.
#include <cstdint>

namespace vistello {

inline constexpr int64_t kMaxBufferBytes = int64_t(1) << 30; // 1 GiB per buffer

// Bytes of one packed RGB row and of a row padded to 4 bytes.
constexpr int64_t packedRowBytes(int64_t width) { return width * 3; }
constexpr int64_t paddedRowBytes(int64_t width) { return (width * 3 + 3) & ~int64_t(3); }

// True when a width x height picture with rows of rowBytes fits the cap.
constexpr bool fitsBufferCap(int64_t width, int64_t height, int64_t rowBytes)
{
    return width >= 1 && height >= 1 && rowBytes >= 1 && height <= kMaxBufferBytes / rowBytes;
}

} // namespace vistello

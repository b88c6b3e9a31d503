#include "jpegedit/transform/TransformLimits.h"

#include <algorithm>

namespace vistello {

int64_t coefficientBytes(const jpeg_decompress_struct& header)
{
    const auto roundUp = [](int64_t n, int64_t m) { return (n + m - 1) / m * m; };
    int64_t blocks = 0;
    for (int ci = 0; ci < header.num_components; ++ci) {
        const jpeg_component_info& c = header.comp_info[ci];
        blocks += roundUp(c.width_in_blocks, c.h_samp_factor) * roundUp(c.height_in_blocks, c.v_samp_factor);
    }
    return blocks * DCTSIZE2 * int64_t(sizeof(JCOEF));
}

int64_t coefficientAllowance(size_t streamBytes, bool arithmetic)
{
    if (arithmetic)
        return kMaxCoefficientBytes;
    const int64_t bytes = int64_t(std::min<size_t>(streamBytes, size_t(kMaxCoefficientBytes)));
    const int64_t claimable = bytes * kCoefficientBytesPerFileByte;
    return std::clamp(claimable, kCoefficientFloorBytes, kMaxCoefficientBytes);
}

} // namespace vistello

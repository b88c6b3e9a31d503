#include "imaging/scale/ScaleNearest.h"

#include "imaging/colour/ColourTransform.h"
#include "imaging/scale/BufferLimits.h"
#include "imaging/scale/ScaledSize.h"
#include "platform/HugePages.h"

#include <cstring>
#include <vector>

namespace vistello {

std::optional<QImage> scaleNearest(const PixelBuffer& source, int num, int den, const ColourTransform* rowTransform)
{
    if (source.empty() || num < 1 || den < 1)
        return std::nullopt;
    const int64_t w = scaledSide(source.width, num, den);
    const int64_t h = scaledSide(source.height, num, den);
    if (!fitsBufferCap(w, h, paddedRowBytes(w)) || w > INT32_MAX || h > INT32_MAX)
        return std::nullopt;
    QImage image(int(w), int(h), QImage::Format_RGB888);
    if (image.isNull())
        return std::nullopt;
    adviseHugePages(image.bits(), size_t(image.sizeInBytes()));

    const size_t sourceStride = source.rowBytes();
    const uint8_t* sourceData = source.data.get();
    if (num == den) {
        for (int64_t y = 0; y < h; ++y) {
            uchar* row = image.scanLine(int(y));
            std::memcpy(row, sourceData + size_t(y) * sourceStride, sourceStride);
            if (rowTransform)
                rowTransform->transformRow(row, int(w));
        }
        return image;
    }

    // Source byte offset of every destination column, by a running sum.
    std::vector<size_t> columnOffset(static_cast<size_t>(w));
    int64_t sum = 0;
    for (int64_t x = 0; x < w; ++x, sum += den)
        columnOffset[size_t(x)] = size_t(sum / num) * 3;

    for (int64_t y = 0; y < h; ++y) {
        const uint8_t* sourceRow = sourceData + size_t(y * den / num) * sourceStride;
        uchar* out = image.scanLine(int(y));
        for (int64_t x = 0; x < w; ++x) {
            const uint8_t* p = sourceRow + columnOffset[size_t(x)];
            out[0] = p[0];
            out[1] = p[1];
            out[2] = p[2];
            out += 3;
        }
        if (rowTransform)
            rowTransform->transformRow(image.scanLine(int(y)), int(w));
    }
    return image;
}

} // namespace vistello

#include "imaging/scale/ScaleAreaAverage.h"

#include "imaging/scale/AreaWeights.h"
#include "imaging/scale/BufferLimits.h"
#include "imaging/scale/ScaledSize.h"

#include <new>
#include <vector>

namespace vistello {

namespace {

struct RowView {
    const uint8_t* data;
    int64_t stride;
    int width;
    int height;
};

struct RowTarget {
    uint8_t* data;
    int64_t stride;
    int width;
    int height;
};

// The three colour byte positions are averaged independently and stay where
// they are, so any 3-byte pixel order works.
bool averageRows(const RowView& in, const RowTarget& out)
{
    try {
        const AreaWeights across = makeAreaWeights(in.width, out.width);
        const AreaWeights down = makeAreaWeights(in.height, out.height);
        const uint32_t acrossReciprocal = 65536u / uint32_t(in.width);
        const uint32_t downReciprocal = 65536u / uint32_t(in.height);
        const size_t values = size_t(out.width) * 3;
        std::vector<uint32_t> horizontal(values); // one source row, reduced across
        std::vector<uint32_t> accumulated(values);

        // Reduces source row r across into `horizontal`.
        const auto reduceAcross = [&](int r) {
            const uint8_t* source = in.data + r * in.stride;
            for (int x = 0; x < out.width; ++x) {
                const AreaSpan& columns = across.spans[size_t(x)];
                uint32_t s0 = 0, s1 = 0, s2 = 0;
                const uint32_t* weight = &across.weights[size_t(columns.weightStart)];
                for (const uint8_t* p = source + columns.first * 3; p <= source + columns.last * 3; p += 3) {
                    const uint32_t w = *weight++;
                    s0 += w * p[0];
                    s1 += w * p[1];
                    s2 += w * p[2];
                }
                uint32_t* h = &horizontal[size_t(x) * 3];
                h[0] = (s0 * acrossReciprocal) >> 16;
                h[1] = (s1 * acrossReciprocal) >> 16;
                h[2] = (s2 * acrossReciprocal) >> 16;
            }
        };

        // A source row on the border of two target rows is reduced once and
        // used by both.
        int reducedRow = -1;
        for (int y = 0; y < out.height; ++y) {
            const AreaSpan& rows = down.spans[size_t(y)];
            for (int r = rows.first; r <= rows.last; ++r) {
                if (r != reducedRow) {
                    reduceAcross(r);
                    reducedRow = r;
                }
                const uint32_t v = down.weight(rows, r);
                if (r == rows.first)
                    for (size_t i = 0; i < values; ++i)
                        accumulated[i] = v * horizontal[i];
                else
                    for (size_t i = 0; i < values; ++i)
                        accumulated[i] += v * horizontal[i];
            }
            uint8_t* target = out.data + y * out.stride;
            for (size_t i = 0; i < values; ++i)
                target[i] = uint8_t((accumulated[i] * downReciprocal) >> 16);
        }
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

struct TargetSize {
    int width = 0;
    int height = 0;
};

std::optional<TargetSize> targetSize(int width, int height, int num, int den, bool padded)
{
    if (num < 1 || den < 1 || num == den || width < 1 || height < 1)
        return std::nullopt;
    const int64_t w = scaledSide(width, num, den);
    const int64_t h = scaledSide(height, num, den);
    // Sums of n weights × 255 times ⌊65536 / n⌋ stay below 2^32 for any n;
    // the side limit keeps the weight tables' int indices safe.
    if (w > 65535 * 4 || h > 65535 * 4)
        return std::nullopt;
    if (!fitsBufferCap(w, h, padded ? paddedRowBytes(w) : packedRowBytes(w)))
        return std::nullopt;
    return TargetSize{int(w), int(h)};
}

} // namespace

std::optional<QImage> scaleAreaAverage(const QImage& source, int num, int den)
{
    if (source.format() != QImage::Format_RGB888)
        return std::nullopt;
    const std::optional<TargetSize> size = targetSize(source.width(), source.height(), num, den, true);
    if (!size)
        return std::nullopt;
    QImage result(size->width, size->height, QImage::Format_RGB888);
    if (result.isNull())
        return std::nullopt;
    const RowView in{source.constBits(), source.bytesPerLine(), source.width(), source.height()};
    const RowTarget out{result.bits(), result.bytesPerLine(), result.width(), result.height()};
    if (!averageRows(in, out))
        return std::nullopt;
    return result;
}

std::optional<PixelBuffer> scaleAreaAverage(const PixelBuffer& source, int num, int den)
{
    if (source.empty())
        return std::nullopt;
    const std::optional<TargetSize> size = targetSize(source.width, source.height, num, den, false);
    if (!size)
        return std::nullopt;
    PixelBuffer result;
    result.width = size->width;
    result.height = size->height;
    result.data.reset(new (std::nothrow) uint8_t[result.byteCount()]);
    if (!result.data)
        return std::nullopt;
    const RowView in{source.data.get(), int64_t(source.rowBytes()), source.width, source.height};
    const RowTarget out{result.data.get(), int64_t(result.rowBytes()), result.width, result.height};
    if (!averageRows(in, out))
        return std::nullopt;
    return result;
}

std::optional<QImage> scaleAreaAverageToImage(const PixelBuffer& source, int num, int den)
{
    if (source.empty())
        return std::nullopt;
    const std::optional<TargetSize> size = targetSize(source.width, source.height, num, den, true);
    if (!size)
        return std::nullopt;
    QImage result(size->width, size->height, QImage::Format_RGB888);
    if (result.isNull())
        return std::nullopt;
    const RowView in{source.data.get(), int64_t(source.rowBytes()), source.width, source.height};
    const RowTarget out{result.bits(), result.bytesPerLine(), result.width(), result.height()};
    if (!averageRows(in, out))
        return std::nullopt;
    return result;
}

} // namespace vistello

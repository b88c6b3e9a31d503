#include "imaging/scale/ScaleAreaAverage.h"

#include "imaging/scale/AreaWeights.h"
#include "imaging/scale/BufferLimits.h"
#include "imaging/scale/ScaledSize.h"
#include "platform/HugePages.h"

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

// Reduces one source row across: out gets three values per destination
// pixel. Taps > 0 fixes the tap count at compile time, so the short spans of
// the final viewing step run without a loop of their own; 0 takes the
// table's count.
template <int Taps>
void reduceAcross(const uint8_t* source, const AreaTaps& across, uint32_t reciprocal, uint32_t* out)
{
    const int taps = Taps > 0 ? Taps : across.taps;
    const uint32_t* weight = across.weights.data();
    for (const int start : across.start) {
        const uint8_t* p = source + size_t(start) * 3;
        uint32_t s0 = 0, s1 = 0, s2 = 0;
        for (int t = 0; t < taps; ++t, p += 3) {
            const uint32_t w = weight[t];
            s0 += w * p[0];
            s1 += w * p[1];
            s2 += w * p[2];
        }
        weight += taps;
        out[0] = (s0 * reciprocal) >> 16;
        out[1] = (s1 * reciprocal) >> 16;
        out[2] = (s2 * reciprocal) >> 16;
        out += 3;
    }
}

using ReduceAcross = void (*)(const uint8_t*, const AreaTaps&, uint32_t, uint32_t*);

ReduceAcross reducerFor(int taps)
{
    switch (taps) {
    case 1: return reduceAcross<1>;
    case 2: return reduceAcross<2>;
    case 3: return reduceAcross<3>;
    case 4: return reduceAcross<4>;
    default: return reduceAcross<0>;
    }
}

// The three colour byte positions are averaged independently and stay where
// they are, so any 3-byte pixel order works.
bool averageRows(const RowView& in, const RowTarget& out)
{
    try {
        const AreaTaps across = makeAreaTaps(makeAreaWeights(in.width, out.width), in.width);
        const AreaWeights down = makeAreaWeights(in.height, out.height);
        const ReduceAcross reduce = reducerFor(across.taps);
        const uint32_t acrossReciprocal = 65536u / uint32_t(in.width);
        const uint32_t downReciprocal = 65536u / uint32_t(in.height);
        const size_t values = size_t(out.width) * 3;
        std::vector<uint32_t> horizontal(values); // one source row, reduced across
        std::vector<uint32_t> accumulated(values);

        // A source row on the border of two target rows is reduced once and
        // used by both.
        int reducedRow = -1;
        for (int y = 0; y < out.height; ++y) {
            const AreaSpan& rows = down.spans[size_t(y)];
            for (int r = rows.first; r <= rows.last; ++r) {
                if (r != reducedRow) {
                    reduce(in.data + r * in.stride, across, acrossReciprocal, horizontal.data());
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
    adviseHugePages(result.bits(), size_t(result.sizeInBytes()));
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
    adviseHugePages(result.data.get(), result.byteCount());
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
    adviseHugePages(result.bits(), size_t(result.sizeInBytes()));
    const RowView in{source.data.get(), int64_t(source.rowBytes()), source.width, source.height};
    const RowTarget out{result.bits(), result.bytesPerLine(), result.width(), result.height()};
    if (!averageRows(in, out))
        return std::nullopt;
    return result;
}

} // namespace vistello

// Fuzzes the resize record as it comes from a settings file: any text reads
// as a record, validation leaves one that obeys every rule and is stable,
// the record survives writing and reading back, and the size arithmetic of
// that record on fuzzed picture sizes stays in range (UBSan watches for
// overflow).
#include "core/settings/ResizeRecordCodec.h"
#include "jpegedit/resize/ResizeGeometry.h"
#include "jpegedit/resize/ResizeRules.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstring>

using namespace vistello;

namespace {

bool obeysTheRules(const ResizeSettings& r)
{
    return r.width >= 0 && r.height >= 0 && r.ratioNumerator > 0 && r.ratioDenominator > 0 &&
           int64_t(r.ratioNumerator) <= 100 * int64_t(r.ratioDenominator) && r.lumaQuality >= 0 &&
           r.lumaQuality <= 100 && r.chromaQuality >= 0 && r.chromaQuality <= 100 && r.sizeLimitKilobytes > 0;
}

int readInt(const uint8_t* data, size_t size, size_t at)
{
    int32_t v = 0;
    if (at + 4 <= size)
        std::memcpy(&v, data + at, 4);
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size < 256 ? size : 256));
    const ResizeSettings record = validResizeSettings(decodeResizeRecord(text, ResizeSettings{}));
    if (!obeysTheRules(record) || validResizeSettings(record) != record ||
        decodeResizeRecord(encodeResizeRecord(record), ResizeSettings{}) != record)
        __builtin_trap();

    ResizeSettings typed = record;
    double percent = 0;
    if (size >= 8)
        std::memcpy(&percent, data, 8);
    setResizePercent(typed, percent);
    if (!obeysTheRules(typed))
        __builtin_trap();
    (void)resizePercentText(typed);

    // Sizes as a decoder could report them.
    const int w = 1 + (readInt(data, size, 8) & 0xFFFF);
    const int h = 1 + (readInt(data, size, 12) & 0xFFFF);
    const int fileW = 1 + (readInt(data, size, 16) & 0xFFFF);
    const int fileH = 1 + (readInt(data, size, 20) & 0xFFFF);
    for (const ScaleRatio r : {boxRatio(w, h, record.width, record.height, size % 2 == 0),
                               relativeRatio(typed.ratioNumerator, typed.ratioDenominator, w, h, fileW, fileH)}) {
        const ScaleRatio limited = limitedToMaxSide(r, w, h);
        if (limited.num < 1 || limited.den < 1 || int64_t(std::max(w, h)) * limited.num / limited.den > kMaxResizedSide)
            __builtin_trap();
    }
    return 0;
}

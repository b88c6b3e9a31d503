#include "jpegedit/resize/ResizeRules.h"

#include <cmath>
#include <cstdint>
#include <numeric>

namespace vistello {

namespace {

constexpr int kMaxRatio = int(kMaxResizePercent / 100);

bool validQuality(int q) { return q >= 0 && q <= 100; }

} // namespace

ResizeSettings validResizeSettings(ResizeSettings r)
{
    const ResizeSettings defaults;
    if (r.width < 0)
        r.width = defaults.width;
    if (r.height < 0)
        r.height = defaults.height;
    if (r.ratioNumerator <= 0 || r.ratioDenominator <= 0) {
        r.ratioNumerator = defaults.ratioNumerator;
        r.ratioDenominator = defaults.ratioDenominator;
    }
    const int divisor = std::gcd(r.ratioNumerator, r.ratioDenominator);
    r.ratioNumerator /= divisor;
    r.ratioDenominator /= divisor;
    if (int64_t(r.ratioNumerator) > int64_t(kMaxRatio) * r.ratioDenominator) {
        r.ratioNumerator = kMaxRatio;
        r.ratioDenominator = 1;
    }
    if (!validQuality(r.lumaQuality))
        r.lumaQuality = defaults.lumaQuality;
    if (!validQuality(r.chromaQuality))
        r.chromaQuality = defaults.chromaQuality;
    if (r.sizeLimitKilobytes <= 0)
        r.sizeLimitKilobytes = defaults.sizeLimitKilobytes;
    return r;
}

void setResizePercent(ResizeSettings& record, double percent)
{
    if (!(percent > 0)) // also NaN
        percent = 0;
    percent = std::min(percent, kMaxResizePercent);
    // Thousandths of a percent: at most 10^7, well inside 32 bits.
    record.ratioNumerator = int((percent + 0.000001) * 1000);
    record.ratioDenominator = 100000;
    record = validResizeSettings(record);
}

QString resizePercentText(const ResizeSettings& record)
{
    if (record.ratioDenominator == 0)
        return {};
    return QString::asprintf("%g", double(record.ratioNumerator) * 100 / record.ratioDenominator);
}

} // namespace vistello

#include "jpegmeta/tags/RationalText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace vistello::tags {

QString reducedFraction(int32_t numerator, int32_t denominator)
{
    if (numerator == 0)
        return QStringLiteral("0");
    if (denominator == 0)
        return QString::asprintf("%d/0", numerator);
    int64_t n = numerator;
    int64_t d = denominator;
    const int64_t g = std::gcd(n < 0 ? -n : n, d < 0 ? -d : d);
    n /= g;
    d /= g;
    if (d < 0) {
        n = -n;
        d = -d;
    }
    if (d == 1)
        return QString::asprintf("%lld", static_cast<long long>(n));
    return QString::asprintf("%lld/%lld", static_cast<long long>(n), static_cast<long long>(d));
}

QString integerQuotient(int32_t numerator, int32_t denominator)
{
    if (denominator == 0)
        return QString::asprintf("%d/0", numerator);
    return QString::asprintf("%lld", static_cast<long long>(int64_t(numerator) / int64_t(denominator)));
}

double quotient(int32_t numerator, int32_t denominator)
{
    return denominator == 0 ? 0.0 : double(numerator) / double(denominator);
}

int32_t truncateClamped(double v)
{
    if (std::isnan(v))
        return 0;
    constexpr double lo = double(std::numeric_limits<int32_t>::min());
    constexpr double hi = double(std::numeric_limits<int32_t>::max());
    return int32_t(std::clamp(v, lo, hi));
}

} // namespace vistello::tags

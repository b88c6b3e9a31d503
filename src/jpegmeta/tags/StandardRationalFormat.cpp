#include "jpegmeta/tags/RationalText.h"
#include "jpegmeta/tags/StandardFormatters.h"

#include <cmath>

namespace vistello::tags {

namespace {

enum class RationalStyle : uint8_t {
    Metres,          // "%.2f m"
    IntegerQuotient, // "%d" of the truncated quotient
    ExposureTime,    // milliseconds below one second, seconds above
    FNumber,         // "F%.1f" inside (0, 50)
    ShutterSpeed,    // APEX Tv: seconds below 2, "1/%d s" above
    ApexAperture,    // APEX Av: "F%.1f" of sqrt(2)^q
    Ev,              // "%.1f EV"
    SubjectDistance, // "%.2f m", "Infinite" outside (0, 65.535]
    Millimetres,     // "%.1f mm"
    DigitalZoom,     // "No digital zoom" for 0, else the fraction
};

struct RationalRule {
    uint16_t tag;
    RationalStyle style;
};

// Rationals of kinds 2-5 with a text of their own; any other shows the reduced fraction.
constexpr RationalRule kRationalRules[] = {
    {0x0006, RationalStyle::Metres},          // GPSAltitude
    {0x011A, RationalStyle::IntegerQuotient}, // XResolution
    {0x011B, RationalStyle::IntegerQuotient}, // YResolution
    {0x829A, RationalStyle::ExposureTime},
    {0x829D, RationalStyle::FNumber},
    {0x9201, RationalStyle::ShutterSpeed},
    {0x9202, RationalStyle::ApexAperture},    // ApertureValue
    {0x9203, RationalStyle::Ev},              // BrightnessValue
    {0x9204, RationalStyle::Ev},              // ExposureBiasValue
    {0x9205, RationalStyle::ApexAperture},    // MaxApertureValue
    {0x9206, RationalStyle::SubjectDistance},
    {0x920A, RationalStyle::Millimetres},     // FocalLength
    {0x920E, RationalStyle::IntegerQuotient}, // FocalPlaneXResolution (TIFF/EP)
    {0x920F, RationalStyle::IntegerQuotient}, // FocalPlaneYResolution (TIFF/EP)
    {0x9215, RationalStyle::IntegerQuotient}, // ExposureIndex (TIFF/EP)
    {0xA20E, RationalStyle::IntegerQuotient}, // FocalPlaneXResolution
    {0xA20F, RationalStyle::IntegerQuotient}, // FocalPlaneYResolution
    {0xA215, RationalStyle::IntegerQuotient}, // ExposureIndex
    {0xA404, RationalStyle::DigitalZoom},
};
static_assert(isSortedBy(std::span<const RationalRule>(kRationalRules), &RationalRule::tag));

QString exposureTimeText(int32_t n, int32_t d)
{
    const double ms = double(n) * 1000.0 / double(d);
    if (ms >= 1000)
        return QString::asprintf("%.1f s", ms * 0.001);
    return QString::asprintf("%.1f ms", ms);
}

QString shutterSpeedText(double q)
{
    if (q < 2)
        return QString::asprintf("%.1f s", truncateClamped((std::pow(2.0, -q) + 0.06) * 10) * 0.1);
    return QString::asprintf("1/%d s", truncateClamped(std::pow(2.0, q) + 0.5));
}

} // namespace

QString formatStandardRational(uint16_t tag, int32_t n, int32_t d)
{
    if (d == 0)
        return QString::asprintf("%d/0", n);
    const RationalRule* rule = findRow(std::span<const RationalRule>(kRationalRules), &RationalRule::tag, tag);
    if (!rule)
        return reducedFraction(n, d);
    const double q = double(n) / double(d);
    switch (rule->style) {
    case RationalStyle::Metres:
        return QString::asprintf("%.2f m", q);
    case RationalStyle::IntegerQuotient:
        return integerQuotient(n, d);
    case RationalStyle::ExposureTime:
        return exposureTimeText(n, d);
    case RationalStyle::FNumber:
        return q <= 0 || q >= 50 ? QStringLiteral("-Invalid value-") : QString::asprintf("F%.1f", q);
    case RationalStyle::ShutterSpeed:
        return shutterSpeedText(q);
    case RationalStyle::ApexAperture:
        return QString::asprintf("F%.1f", std::pow(1.4142135, q));
    case RationalStyle::Ev:
        return QString::asprintf("%.1f EV", q);
    case RationalStyle::SubjectDistance:
        return q <= 0 || q > 65.535 ? QStringLiteral("Infinite") : QString::asprintf("%.2f m", q);
    case RationalStyle::Millimetres:
        return QString::asprintf("%.1f mm", q);
    case RationalStyle::DigitalZoom:
        return n == 0 ? QStringLiteral("No digital zoom") : reducedFraction(n, d);
    }
    return {};
}

} // namespace vistello::tags

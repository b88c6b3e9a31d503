#include "jpegmeta/tags/NikonTags.h"

#include "jpegmeta/tags/RationalText.h"

namespace vistello::tags {

namespace {

// Quality, tag 0x0003 of the note with header
constexpr ValueText kQuality[] = {
    {1, u"VGA Basic"}, {2, u"VGA Normal"}, {3, u"VGA Fine"}, {4, u"SXGA Basic"}, {5, u"SXGA Normal"}, {6, u"SXGA Fine"},
};
// Color mode, tag 0x0004
constexpr ValueText kColorMode[] = {{1, u"Color"}, {2, u"Monochrome"}};
// Image adjustment, tag 0x0005
constexpr ValueText kImageAdjustment[] = {
    {0, u"Normal"}, {1, u"Bright+"}, {2, u"Bright-"}, {3, u"Contrast+"}, {4, u"Contrast-"},
};
// CCD sensitivity, tag 0x0006
constexpr ValueText kCcdSensitivity[] = {{0, u"ISO 80"}, {2, u"ISO 160"}, {4, u"ISO 320"}, {5, u"ISO 100"}};
// White balance, tag 0x0007 (spellings as users know them)
constexpr ValueText kWhiteBalance[] = {
    {0, u"Auto"},         {1, u"Preset"}, {2, u"Daylight"},  {3, u"Incandescense"},
    {4, u"Fluorescence"}, {5, u"Cloudy"}, {6, u"SpeedLight"},
};
// Converter, tag 0x000B
constexpr ValueText kConverter[] = {{1, u"Fisheye used"}};

constexpr TagValues kHeaderNoteEnumerations[] = {
    {0x0003, kQuality},        {0x0004, kColorMode},    {0x0005, kImageAdjustment},
    {0x0006, kCcdSensitivity}, {0x0007, kWhiteBalance}, {0x000B, kConverter},
};
static_assert(isSortedBy(std::span<const TagValues>(kHeaderNoteEnumerations), &TagValues::tag));

// AF focus position, bits 16-19 of tag 0x0088
constexpr ValueText kAfPosition[] = {{0, u"Center"}, {1, u"Top"}, {2, u"Bottom"}, {3, u"Left"}, {4, u"Right"}};

QString afPositionText(uint32_t value)
{
    return valueText(kAfPosition, (value >> 16) & 0xF);
}

// A file may hold INT_MIN/-1, so the quotient is taken in 64 bits; a zero denominator gives 0.
int64_t focalLength(int32_t numerator, int32_t denominator)
{
    return denominator == 0 ? 0 : int64_t(numerator) / int64_t(denominator);
}

// Four rationals: shortest and longest focal length, widest aperture at
// each; empty unless all four are non-zero.
QString nikonLensText(const EntryValues& values)
{
    if (values.elementCount() < 4)
        return {};
    const long long shortest = focalLength(values.numeratorAt(0), values.denominatorAt(0));
    const long long longest = focalLength(values.numeratorAt(1), values.denominatorAt(1));
    const double wide = quotient(values.numeratorAt(2), values.denominatorAt(2));
    const double tele = quotient(values.numeratorAt(3), values.denominatorAt(3));
    if (shortest == 0 || longest == 0 || wide == 0 || tele == 0)
        return {};
    if (shortest == longest)
        return QString::asprintf("%lld mm  F%.1f", shortest, wide);
    if (wide != tele)
        return QString::asprintf("%lld-%lld mm  F%.1f-%.1f", shortest, longest, wide, tele);
    return QString::asprintf("%lld-%lld mm  F%.1f", shortest, longest, wide);
}

} // namespace

QString formatNikonHeaderNoteInteger(uint16_t tag, const IntegerValue& value)
{
    return enumerationText(kHeaderNoteEnumerations, tag, value.value);
}

QString formatNikonHeaderNoteRational(uint16_t tag, int32_t numerator, int32_t denominator)
{
    switch (tag) {
    case 0x0008: // focus distance; the spelling is the one users know
        return denominator == 0 ? QStringLiteral("infinte") : reducedFraction(numerator, denominator);
    case 0x000A:
        return numerator != 0 && denominator != 0 ? QString::asprintf("%.1fx", quotient(numerator, denominator))
                                                  : QStringLiteral("none");
    default:
        return {};
    }
}

QString formatNikonNoteInteger(uint16_t tag, const IntegerValue& value)
{
    switch (tag) {
    case 0x0002: // the usual form is two SHORTs, 0 and the ISO speed
        return QString::asprintf("ISO %d", int32_t(value.last()));
    case 0x0088:
        return afPositionText(value.value);
    default:
        return {};
    }
}

QString formatNikonNoteComposite(const TiffBlock&, const ExifEntry& entry, const EntryValues& values)
{
    switch (entry.tag) {
    case 0x0084:
        return entry.type == exiftype::Rational || entry.type == exiftype::SRational ? nikonLensText(values) : QString();
    case 0x0088: // usually four UNDEFINED bytes, packed first-byte-highest into the value word
        return entry.type == exiftype::Undefined && values.inlineField() ? afPositionText(entry.value) : QString();
    default:
        return {};
    }
}

} // namespace vistello::tags

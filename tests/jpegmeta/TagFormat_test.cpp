// The tag dictionary: names by directory kind, the three formatter hooks of
// the TIFF, EXIF and GPS directories, and the generic entry texts, each rule
// as a table of raw input and expected text.
#include "jpegmeta/tags/RationalText.h"
#include "jpegmeta/tags/TagDictionary.h"

#include <gtest/gtest.h>
#include <climits>
#include <limits>
#include <ostream>

using namespace vistello;

namespace {

struct NameCase {
    uint16_t tag;
    IfdKind kind;
    const char* name;
};

class TagNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(TagNames, ComeFromTheKindsTable)
{
    const NameCase& c = GetParam();
    EXPECT_EQ(tagName(c.tag, c.kind), QString::fromUtf8(c.name));
}

INSTANTIATE_TEST_SUITE_P(TagDictionary, TagNames,
                         ::testing::Values(NameCase{0x0000, IfdKind::GpsIfd, "GPS tag version"},
                                           NameCase{0x0002, IfdKind::GpsIfd, "Latitude"},
                                           NameCase{0x001E, IfdKind::GpsIfd, "GPS differential correction"},
                                           NameCase{0x010F, IfdKind::Ifd0, "Make"},
                                           NameCase{0x0112, IfdKind::Ifd1, "Orientation"},
                                           NameCase{0x829A, IfdKind::ExifIfd, "Exposure time"},
                                           NameCase{0xA002, IfdKind::ExifIfd, "Image width"},
                                           NameCase{0xA20B, IfdKind::ExifIfd, "Flash energy"},
                                           NameCase{0xC36F, IfdKind::Ifd0, "Borders IFD"},
                                           NameCase{0x0001, IfdKind::InteropIfd, "Interoperability Index"},
                                           NameCase{0x1002, IfdKind::InteropIfd, "Interoperability Image height"},
                                           // not in the table
                                           NameCase{0x0110, IfdKind::InteropIfd, ""},
                                           NameCase{0x1234, IfdKind::Ifd0, ""}));

struct RationalCase {
    uint16_t tag;
    int32_t numerator;
    int32_t denominator;
    const char* text;
    IfdKind kind = IfdKind::ExifIfd;
};

std::ostream& operator<<(std::ostream& os, const RationalCase& c)
{
    return os << std::hex << c.tag << std::dec << " " << c.numerator << "/" << c.denominator;
}

class Rationals : public ::testing::TestWithParam<RationalCase> {};

TEST_P(Rationals, FormatAsTheTagSays)
{
    const RationalCase& c = GetParam();
    EXPECT_EQ(formatRational(c.tag, c.kind, c.numerator, c.denominator), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    TagDictionary, Rationals,
    ::testing::Values(
        // ExposureTime: milliseconds below one second
        RationalCase{0x829A, 1, 250, "4.0 ms"}, RationalCase{0x829A, 1, 60, "16.7 ms"},
        RationalCase{0x829A, 1, 1, "1.0 s"}, RationalCase{0x829A, 2, 1, "2.0 s"}, RationalCase{0x829A, 0, 0, "0/0"},
        // FNumber inside (0, 50)
        RationalCase{0x829D, 0, 10, "-Invalid value-"}, RationalCase{0x829D, 28, 10, "F2.8"},
        RationalCase{0x829D, 499, 10, "F49.9"}, RationalCase{0x829D, 50, 1, "-Invalid value-"},
        RationalCase{0x829D, -28, 10, "-Invalid value-"},
        // ShutterSpeedValue (APEX): seconds below 2, fractions above
        RationalCase{0x9201, 0, 1, "1.0 s"}, RationalCase{0x9201, 1, 1, "0.5 s"},
        RationalCase{0x9201, -1, 1, "2.0 s"}, RationalCase{0x9201, 19, 10, "0.3 s"},
        RationalCase{0x9201, 2, 1, "1/4 s"}, RationalCase{0x9201, 8, 1, "1/256 s"},
        RationalCase{0x9201, 6643856, 1000000, "1/100 s"},
        // APEX apertures, EV, distances, lengths
        RationalCase{0x9202, 4, 1, "F4.0"}, RationalCase{0x9205, 3, 1, "F2.8"},
        RationalCase{0x9203, -1, 3, "-0.3 EV"}, RationalCase{0x9204, 0, 1, "0.0 EV"},
        RationalCase{0x9206, -1, 1, "Infinite"}, RationalCase{0x9206, 0, 1, "Infinite"},
        RationalCase{0x9206, 1234, 100, "12.34 m"}, RationalCase{0x9206, 65536, 1000, "Infinite"},
        RationalCase{0x920A, 180, 10, "18.0 mm"},
        RationalCase{0xA404, 0, 100, "No digital zoom"}, RationalCase{0xA404, 3, 2, "3/2"},
        RationalCase{0xA404, 4, 2, "2"},
        // integer quotients
        RationalCase{0x011A, 72, 1, "72", IfdKind::Ifd0}, RationalCase{0x011B, 300, 2, "150", IfdKind::Ifd1},
        RationalCase{0xA20E, 3000, 7, "428"}, RationalCase{0x9215, 100, 1, "100"},
        // GPS altitude
        RationalCase{0x0006, 12345, 100, "123.45 m", IfdKind::GpsIfd},
        // anything else: the reduced fraction
        RationalCase{0x013E, 10, 4, "5/2", IfdKind::Ifd0}, RationalCase{0x013E, 0, 7, "0", IfdKind::Ifd0},
        RationalCase{0x013E, 5, 0, "5/0", IfdKind::Ifd0}, RationalCase{0x013E, -10, 4, "-5/2", IfdKind::Ifd0},
        RationalCase{0x013E, 10, -4, "-5/2", IfdKind::Ifd0},
        // interoperability has no rational rules
        RationalCase{0x0001, 1, 2, "", IfdKind::InteropIfd}));

// Values a file may hold that trap in 32-bit integer arithmetic or overflow
// a float-to-int conversion.
INSTANTIATE_TEST_SUITE_P(
    HostileRationals, Rationals,
    ::testing::Values(RationalCase{0x013E, INT_MIN, -1, "2147483648", IfdKind::Ifd0},
                      RationalCase{0x013E, INT_MIN, INT_MIN, "1", IfdKind::Ifd0},
                      RationalCase{0x013E, INT_MIN, 2, "-1073741824", IfdKind::Ifd0},
                      RationalCase{0x011A, INT_MIN, -1, "2147483648", IfdKind::Ifd0},
                      RationalCase{0x011A, INT_MIN, 0, "-2147483648/0", IfdKind::Ifd0},
                      RationalCase{0xA404, INT_MIN, -1, "2147483648"},
                      RationalCase{0x9201, INT_MAX, 1, "1/2147483647 s"},
                      RationalCase{0x9201, INT_MIN, 1, "214748364.7 s"},
                      RationalCase{0x9201, 1000, 1, "1/2147483647 s"},
                      RationalCase{0x829A, INT_MIN, 1, "-2147483648000.0 ms"}));

struct IntegerCase {
    uint16_t tag;
    IntegerValue value;
    const char* text;
    IfdKind kind = IfdKind::ExifIfd;
};

std::ostream& operator<<(std::ostream& os, const IntegerCase& c)
{
    return os << std::hex << c.tag << std::dec << " " << c.value.value;
}

IntegerValue pair(uint32_t a, uint32_t b) { return IntegerValue{a, 2, {a, b, 0, 0}}; }
IntegerValue one(uint32_t v) { return IntegerValue::single(v); }

class Integers : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(Integers, FormatAsTheTagSays)
{
    const IntegerCase& c = GetParam();
    EXPECT_EQ(formatInteger(c.tag, c.kind, c.value), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    TagDictionary, Integers,
    ::testing::Values(
        IntegerCase{0x0103, one(1), "none", IfdKind::Ifd1}, IntegerCase{0x0103, one(6), "JPEG", IfdKind::Ifd1},
        IntegerCase{0x0103, one(7), "", IfdKind::Ifd1}, IntegerCase{0x0106, one(2), "RGB", IfdKind::Ifd0},
        IntegerCase{0x0128, one(2), "DPI", IfdKind::Ifd0}, IntegerCase{0xA210, one(3), "Dots per cm"},
        IntegerCase{0x0213, one(1), "Centered", IfdKind::Ifd0},
        IntegerCase{0x0212, pair(2, 1), "YCbCr 4:2:2", IfdKind::Ifd0},
        IntegerCase{0x0212, pair(2, 2), "YCbCr 4:2:0", IfdKind::Ifd0},
        IntegerCase{0x0212, pair(1, 1), "[1, 1]", IfdKind::Ifd0}, IntegerCase{0x0212, pair(2, 0), "", IfdKind::Ifd0},
        IntegerCase{0x001E, one(1), "Differential correction applied", IfdKind::GpsIfd},
        IntegerCase{0x8822, one(7), "Portrait mode (for closeup photos with the background out of focus)"},
        IntegerCase{0x9207, one(5), "Pattern"},
        IntegerCase{0x9208, one(12), "Daylight fluorescent (D 5700 \u2013 7100K)"},
        IntegerCase{0x9208, one(255), "Other light source"}, IntegerCase{0x9208, one(5), ""},
        IntegerCase{0xA001, one(0xFFFF), "Uncalibrated"}, IntegerCase{0xA002, one(640), "640 px"},
        IntegerCase{0xA003, one(0), "0 px"}, IntegerCase{0xA217, one(7), "Trilinear sensor"},
        IntegerCase{0xA401, one(1), "Custom process"}, IntegerCase{0xA402, one(2), "Auto bracket"},
        IntegerCase{0xA403, one(0), "Auto white balance"}, IntegerCase{0xA406, one(3), "Night scene"},
        IntegerCase{0xA407, one(4), "High gain down"}, IntegerCase{0xA408, one(1), "Soft"},
        IntegerCase{0xA40A, one(2), "Hard"}, IntegerCase{0xA409, one(2), "High saturation"},
        IntegerCase{0xA40C, one(3), "Distant view"},
        // Flash: bit 0, bits 1-2, bits 3-4, bit 5, bit 6
        IntegerCase{0x9209, one(0x19), "On, Auto mode"},
        IntegerCase{0x9209, one(0x10), "Off, Compulsory flash suppression"}, IntegerCase{0x9209, one(0), "Off"},
        IntegerCase{0x9209, one(0x20), "Off, No flash function"},
        IntegerCase{0x9209, one(0x5F), "On, Strobe return light detected, Auto mode, Red-eye reduction mode"},
        IntegerCase{0x9209, one(0x0D), "On, Strobe return light not detected, Compulsory flash mode"},
        // interoperability has no integer rules
        IntegerCase{0x0103, one(6), "", IfdKind::InteropIfd}));

TEST(TagDictionary, FractionsAreReducedOnAbsoluteValues)
{
    EXPECT_EQ(tags::reducedFraction(300, 200), QStringLiteral("3/2"));
    EXPECT_EQ(tags::reducedFraction(-300, -200), QStringLiteral("3/2"));
    EXPECT_EQ(tags::reducedFraction(7, 7), QStringLiteral("1"));
    EXPECT_EQ(tags::integerQuotient(-7, 2), QStringLiteral("-3"));
}

TEST(TagDictionary, TruncationIsClampedToTheIntRange)
{
    EXPECT_EQ(tags::truncateClamped(1e300), INT_MAX);
    EXPECT_EQ(tags::truncateClamped(-1e300), INT_MIN);
    EXPECT_EQ(tags::truncateClamped(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(tags::truncateClamped(-2.9), -2);
}

} // namespace

// Entry texts of real directory entries: blocks written in both byte orders,
// parsed into a tree, each entry's display value compared with the expected
// text; plus entries whose counts promise more bytes than the block holds.
#include "app/samples/ExifBuilder.h"
#include "jpegmeta/exif/ExifData.h"
#include "jpegmeta/tags/EntryText.h"

#include <gtest/gtest.h>
#include <functional>

using namespace vistello;
using namespace vistello::samples;

namespace {

enum class Dir { Ifd0, Exif, Gps };

struct EntryCase {
    const char* label;
    Dir dir;
    std::function<TiffField()> field;
    const char* text;
};

std::ostream& operator<<(std::ostream& os, const EntryCase& c) { return os << c.label; }

QString textOf(TiffByteOrder order, const EntryCase& c)
{
    ExifBuilder b(order);
    const TiffField field = c.field();
    switch (c.dir) {
    case Dir::Ifd0:
        b.ifd0().set(field);
        break;
    case Dir::Exif:
        b.exif().set(field);
        break;
    case Dir::Gps:
        b.gps().set(field);
        break;
    }
    ExifData data;
    data.parse(b.build(), 0);
    const ExifEntry* entry = data.findTag(field.tag());
    return entry ? entryText(data, *entry) : QStringLiteral("<missing>");
}

class EntryTexts : public ::testing::TestWithParam<std::tuple<EntryCase, TiffByteOrder>> {};

TEST_P(EntryTexts, ShowTheValueAsTheTagSays)
{
    const auto& [c, order] = GetParam();
    EXPECT_EQ(textOf(order, c), QString::fromUtf8(c.text));
}

QByteArray raw(std::initializer_list<uint8_t> bytes)
{
    QByteArray out;
    for (uint8_t b : bytes)
        out.append(char(b));
    return out;
}

const EntryCase kCases[] = {
    // characters
    {"ascii keeps its terminator as a blank", Dir::Ifd0, [] { return TiffField::ascii(0x010F, "Canon"); }, "Canon "},
    {"short ascii in the value field", Dir::Ifd0, [] { return TiffField::ascii(0x0131, "V1"); }, "V1 "},
    {"control characters become blanks", Dir::Ifd0, [] { return TiffField::ascii(0x010E, "a\tb\nc"); }, "a b c "},
    {"ExifVersion 0220 is version 2.2", Dir::Exif, [] { return TiffField::undefined(0x9000, "0220"); }, "2.2"},
    {"FlashPixVersion 0100 is 1.0", Dir::Exif, [] { return TiffField::undefined(0xA000, "0100"); }, "1.0"},
    {"an unknown version stays", Dir::Exif, [] { return TiffField::undefined(0x9000, "0221"); }, "0221"},
    {"inline bytes 0-9 show as digits", Dir::Gps, [] { return TiffField::bytes(0x0000, {2, 2, 0, 0}); }, "2200"},
    {"inline undefined 0-9 as digits", Dir::Exif, [] { return TiffField::undefined(0x9000, raw({0, 2, 2, 0})); }, "2.2"},
    {"bytes in the data area stay characters", Dir::Ifd0,
     [] { return TiffField::bytes(0x02BC, {'<', 'x', 3, 'y', '>'}); }, "<x y>"},
    // numbers
    {"a SHORT array without a rule", Dir::Ifd0, [] { return TiffField::shorts(0x0102, {8, 8, 8, 8}); }, "8, 8, 8, 8"},
    {"BitsPerSample", Dir::Ifd0, [] { return TiffField::shorts(0x0102, {8, 8, 8}); }, "8, 8, 8"},
    {"an enumerated SHORT", Dir::Ifd0, [] { return TiffField::shorts(0x0128, {2}); }, "DPI"},
    {"an unlisted value shows its number", Dir::Ifd0, [] { return TiffField::shorts(0x0112, {6}); }, "6"},
    {"SHORT above 32767", Dir::Ifd0, [] { return TiffField::shorts(0x0100, {65535}); }, "65535"},
    {"SSHORT below zero", Dir::Exif, [] { return TiffField::sshorts(0x8830, {-5}); }, "-5"},
    {"LONG above 2^31", Dir::Ifd0, [] { return TiffField::longs(0x0201, {3000000000u}); }, "3000000000"},
    {"SLONG array", Dir::Exif, [] { return TiffField::slongs(0x8831, {-1, 7}); }, "-1, 7"},
    {"SBYTE pair in the value field", Dir::Exif, [] { return TiffField::sbytes(0x8832, {-2, 3}); }, "-2, 3"},
    {"YCbCrSubSampling", Dir::Ifd0, [] { return TiffField::shorts(0x0212, {2, 1}); }, "YCbCr 4:2:2"},
    {"PixelXDimension as LONG", Dir::Exif, [] { return TiffField::longs(0xA002, {4000}); }, "4000 px"},
    {"Flash", Dir::Exif, [] { return TiffField::shorts(0x9209, {0x19}); }, "On, Auto mode"},
    {"SubjectArea of two SHORTs", Dir::Exif, [] { return TiffField::shorts(0x9214, {10, 20}); }, "x=10, y=20"},
    {"SubjectArea of three", Dir::Exif, [] { return TiffField::shorts(0x9214, {10, 20, 5}); }, "x=10, y=20, r=5"},
    {"SubjectArea of four", Dir::Exif, [] { return TiffField::shorts(0x9214, {1, 2, 3, 4}); }, "x=1, y=2, w=3, h=4"},
    {"SubjectLocation", Dir::Exif, [] { return TiffField::shorts(0xA214, {640, 480}); }, "x=640, y=480"},
    // rationals
    {"ExposureTime", Dir::Exif, [] { return TiffField::rationals(0x829A, {{1, 250}}); }, "4.0 ms"},
    {"XResolution", Dir::Ifd0, [] { return TiffField::rationals(0x011A, {{300, 2}}); }, "150"},
    {"SubjectDistance -1", Dir::Exif, [] { return TiffField::rationals(0x9206, {{0xFFFFFFFFu, 1}}); }, "Infinite"},
    {"ExposureBias", Dir::Exif, [] { return TiffField::srationals(0x9204, {{-2, 3}}); }, "-0.7 EV"},
    {"rational array without a rule", Dir::Ifd0,
     [] { return TiffField::rationals(0x013E, {{313, 1000}, {329, 1000}}); }, "313/1000, 329/1000"},
    {"whole rationals show as numbers", Dir::Ifd0, [] { return TiffField::rationals(0x013E, {{2, 1}, {3, 1}}); }, "2, 3"},
    // GPS
    {"latitude reference", Dir::Gps, [] { return TiffField::ascii(0x0001, "S"); }, "South"},
    {"longitude reference", Dir::Gps, [] { return TiffField::ascii(0x0003, "E"); }, "East"},
    {"unknown reference letter", Dir::Gps, [] { return TiffField::ascii(0x0003, "X"); }, "X "},
    {"speed unit", Dir::Gps, [] { return TiffField::ascii(0x000C, "N"); }, "Knots"},
    {"direction reference", Dir::Gps, [] { return TiffField::ascii(0x0010, "M"); }, "Magnetic direction"},
    {"distance unit", Dir::Gps, [] { return TiffField::ascii(0x0019, "K"); }, "Kilometers"},
    {"receiver status", Dir::Gps, [] { return TiffField::ascii(0x0009, "A"); }, "Measurement in progress"},
    {"measurement mode", Dir::Gps, [] { return TiffField::ascii(0x000A, "3"); }, "3-dimensional measurement"},
    {"latitude in whole seconds", Dir::Gps,
     [] { return TiffField::rationals(0x0002, {{51, 1}, {30, 1}, {12, 1}}); }, "51\u00B0 30' 12\""},
    {"latitude with fractions", Dir::Gps,
     [] { return TiffField::rationals(0x0002, {{51, 1}, {285, 10}, {281, 100}}); }, "51\u00B0 28.5' 2.8\""},
    {"longitude without seconds", Dir::Gps,
     [] { return TiffField::rationals(0x0004, {{51, 1}, {30, 1}, {0, 0}}); }, "51\u00B0 0.30'"},
    {"fractional degrees", Dir::Gps,
     [] { return TiffField::rationals(0x0016, {{515, 10}, {0, 1}, {0, 1}}); }, "51.5\u00B0 0' 0\""},
    {"two-value coordinate is no coordinate", Dir::Gps,
     [] { return TiffField::rationals(0x0002, {{51, 1}, {30, 1}}); }, "51, 30"},
    {"altitude above sea level", Dir::Gps, [] { return TiffField::bytes(0x0005, {0}); }, "Sea level"},
    {"altitude below sea level", Dir::Gps, [] { return TiffField::bytes(0x0005, {1}); }, "Below sea level"},
    {"altitude", Dir::Gps, [] { return TiffField::rationals(0x0006, {{12345, 100}}); }, "123.45 m"},
    {"GPS time", Dir::Gps, [] { return TiffField::rationals(0x0007, {{14, 1}, {7, 1}, {724, 100}}); }, "14:07:724/100"},
    {"GPS differential", Dir::Gps, [] { return TiffField::shorts(0x001E, {0}); },
     "Measurement without differential correction"},
    // structured values
    {"ComponentsConfiguration", Dir::Exif, [] { return TiffField::undefined(0x9101, raw({1, 2, 3, 0})); }, "YCbCr"},
    {"ComponentsConfiguration RGB", Dir::Exif, [] { return TiffField::undefined(0x9101, raw({4, 5, 6, 9})); }, "RGB"},
    {"user comment", Dir::Exif,
     [] { return TiffField::undefined(0x9286, QByteArray("ASCII\0\0\0Hello  ", 15)); }, "[Encoding: ASCII] Hello"},
    {"user comment without code", Dir::Exif,
     [] { return TiffField::undefined(0x9286, QByteArray(8, '\0') + "Hi"); }, "[Encoding: unknown] Hi"},
    {"empty user comment shows its bytes", Dir::Exif,
     [] { return TiffField::undefined(0x9286, QByteArray("ASCII\0\0\0\0\0", 10)); }, "ASCII     "},
    {"CFA pattern big-endian sizes", Dir::Exif,
     [] { return TiffField::undefined(0xA302, raw({0, 2, 0, 2, 0, 1, 1, 2})); },
     "        2x2 array, [0,0]=Red, [0,1]=Green, [1,0]=Green, [1,1]=Blue"},
    {"CFA pattern colours past White", Dir::Exif,
     [] { return TiffField::undefined(0xA302, raw({0, 1, 0, 3, 3, 6, 9})); },
     "        1x3 array, [0,0]=Cyan, [1,0]=White, [2,0]=9"},
    {"CFA pattern of a bad size", Dir::Exif,
     [] { return TiffField::undefined(0xA302, raw({0, 9, 0, 9, 0, 0, 0, 0})); }, "-invalid size-"},
    {"CFA pattern shorter than its size", Dir::Exif,
     [] { return TiffField::undefined(0xA302, raw({0, 2, 0, 2, 0, 1})); }, "        2x2 array, [0,0]=Red, [0,1]=Green"},
    // entries too large to show, and entries that promise more than the block holds
    {"70000 bytes show nothing", Dir::Ifd0, [] { return TiffField::valueWord(0x0131, 2, 70000, 8); }, ""},
    {"rational past the end shows nothing", Dir::Ifd0, [] { return TiffField::valueWord(0x013E, 5, 1, 0x7FFFFFF0); }, ""},
    {"LONG array past the end", Dir::Ifd0, [] { return TiffField::valueWord(0x0111, 4, 16000, 0xFFFFFFF0); }, ""},
};

INSTANTIATE_TEST_SUITE_P(TagDictionary, EntryTexts,
                         ::testing::Combine(::testing::ValuesIn(kCases),
                                            ::testing::Values(TiffByteOrder::LittleEndian, TiffByteOrder::BigEndian)));

// A CFA pattern's sizes are written in the block's order by most cameras;
// little-endian blocks with big-endian sizes are read again big-endian.
TEST(TagDictionary, CfaSizesInTheBlocksOwnOrder)
{
    ExifBuilder b(TiffByteOrder::LittleEndian);
    b.exif().set(TiffField::undefined(0xA302, raw({2, 0, 1, 0, 2, 1})));
    ExifData data;
    data.parse(b.build(), 0);
    EXPECT_EQ(entryText(data, *data.findTag(0xA302)), QStringLiteral("        2x1 array, [0,0]=Blue, [0,1]=Green"));
}

// A count that promises more elements than the block holds: only those present are shown.
TEST(TagDictionary, ArraysStopAtTheBlocksEnd)
{
    ExifBuilder b(TiffByteOrder::LittleEndian);
    b.ifd0().set(TiffField::valueWord(0x0111, 4, 16000, 8));
    ExifData data;
    const QByteArray block = b.build();
    data.parse(block, 0);
    const QString text = entryText(data, *data.findTag(0x0111));
    EXPECT_FALSE(text.isEmpty());
    EXPECT_EQ(text.count(QLatin1Char(',')) + 1, (block.size() - 8) / 4);
}

} // namespace

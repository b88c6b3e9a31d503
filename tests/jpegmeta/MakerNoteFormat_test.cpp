// Maker-note names and value texts: the integer and rational hooks as tables
// of raw value and text, the composite values and the picture-data rows on
// notes built into real EXIF blocks of both byte orders.
#include "app/samples/ExifBuilder.h"
#include "jpegmeta/exif/ExifData.h"
#include "jpegmeta/info/PictureDataRows.h"
#include "jpegmeta/tags/EntryText.h"
#include "jpegmeta/tags/TagDictionary.h"

#include <gtest/gtest.h>
#include <climits>
#include <ostream>

using namespace vistello;
using namespace vistello::samples;

namespace {

struct MakerInteger {
    IfdKind kind;
    uint16_t tag;
    uint32_t value;
    const char* text;
};

std::ostream& operator<<(std::ostream& os, const MakerInteger& c)
{
    return os << int(c.kind) << " " << std::hex << c.tag << " " << c.value;
}

class MakerIntegers : public ::testing::TestWithParam<MakerInteger> {};

TEST_P(MakerIntegers, FormatAsTheMakerSays)
{
    const MakerInteger& c = GetParam();
    EXPECT_EQ(formatInteger(c.tag, c.kind, IntegerValue::single(c.value)), QString::fromUtf8(c.text));
}

using K = IfdKind;

INSTANTIATE_TEST_SUITE_P(
    Canon, MakerIntegers,
    ::testing::Values(
        MakerInteger{K::CanonNote, 0x0008, 1010163, "101-0163"}, MakerInteger{K::CanonNote, 0x0008, 1230045, "123-0045"},
        MakerInteger{K::CanonNote, 0x000C, 0x00A1002E, "00A100046"}, MakerInteger{K::CanonNote, 0x0006, 5, ""},
        MakerInteger{K::CanonCameraSettings, 0x0001, 1, "Macro"},
        MakerInteger{K::CanonCameraSettings, 0x0002, 25, "2.5 s"},
        MakerInteger{K::CanonCameraSettings, 0x0002, 0, ""},
        MakerInteger{K::CanonCameraSettings, 0x0002, 10000, ""},
        MakerInteger{K::CanonCameraSettings, 0x0004, 16, "External flash"},
        MakerInteger{K::CanonCameraSettings, 0x0007, 6, "MF"},
        MakerInteger{K::CanonCameraSettings, 0x000D, 0xFFFF, "Low"},
        MakerInteger{K::CanonCameraSettings, 0x0010, 20, ""}, // unknown: the caller shows the number
        MakerInteger{K::CanonCameraSettings, 0x0013, 0x3003, "Center"},
        MakerInteger{K::CanonCameraSettings, 0x0017, 0, ""},
        MakerInteger{K::CanonCameraSettings, 0x0019, 32, "32"},
        // flash details: the first set bit of 14, 13, 11, 7, 4
        MakerInteger{K::CanonCameraSettings, 0x001D, 0x6000, "External E-TTL"},
        MakerInteger{K::CanonCameraSettings, 0x001D, 0x2880, "Internal flash"},
        MakerInteger{K::CanonCameraSettings, 0x001D, 0x0090, "2nd(rear)-curtain sync used"},
        MakerInteger{K::CanonCameraSettings, 0x001D, 0x0010, "FP sync enabled"},
        MakerInteger{K::CanonCameraSettings, 0x001D, 0x0001, ""},
        MakerInteger{K::CanonShotInfo, 0x0007, 4, "Flourescent"},
        MakerInteger{K::CanonShotInfo, 0x0009, 7, "7"},
        MakerInteger{K::CanonShotInfo, 0x000E, 0x3006, "Left: 3"},
        MakerInteger{K::CanonShotInfo, 0x000E, 0x1001, "Right: 1"},
        MakerInteger{K::CanonShotInfo, 0x000E, 0x3000, "3"},
        MakerInteger{K::CanonShotInfo, 0x000F, 0xFFF0, "-0.50 EV"},
        MakerInteger{K::CanonShotInfo, 0x000F, 0x0010, "0.50 EV"},
        MakerInteger{K::CanonShotInfo, 0x000F, 8, ""},
        MakerInteger{K::CanonShotInfo, 0x0013, 0xFFFF, "Infinite"},
        MakerInteger{K::CanonShotInfo, 0x0013, 250, "2.50 m"},
        MakerInteger{K::CanonCustomFunctions, 0x0007, 2, "-, 0, + / Enabled"},
        MakerInteger{K::CanonCustomFunctions, 0x000A, 1, "Disable"},
        MakerInteger{K::CanonCustomFunctions, 0x000D, 1, "Enable"},
        MakerInteger{K::CanonCustomFunctions, 0x0001, 255, ""}));

INSTANTIATE_TEST_SUITE_P(
    OtherMakers, MakerIntegers,
    ::testing::Values(
        MakerInteger{K::NikonNoteWithHeader, 0x0003, 6, "SXGA Fine"},
        MakerInteger{K::NikonNoteWithHeader, 0x0007, 3, "Incandescense"},
        MakerInteger{K::NikonNoteWithHeader, 0x000B, 1, "Fisheye used"},
        MakerInteger{K::NikonNoteWithHeader, 0x000B, 0, ""},
        MakerInteger{K::NikonNoteWithoutHeader, 0x0088, 0x00030000, "Left"},
        MakerInteger{K::NikonNoteWithoutHeader, 0x0088, 0x00050000, ""},
        MakerInteger{K::OlympusNote, 0x0201, 3, "SHQ"}, MakerInteger{K::OlympusNote, 0x0204, 2, "Digital 2x zoom"},
        MakerInteger{K::CasioNote, 0x0101, 0xFFFE, "-2/3 EV"}, MakerInteger{K::CasioNote, 0x0006, 1500, "1.50 m"},
        MakerInteger{K::CasioNote, 0x000A, 0x10001, "2X Digital Zoom"},
        MakerInteger{K::CasioNote, 0x0105, 17, "bottom right"}, MakerInteger{K::CasioNote, 0x0018, 18, ""},
        MakerInteger{K::CasioNote, 0x0103, 15, "F8.0"},
        MakerInteger{K::FujiNote, 0x1003, 512, "Low )"}, MakerInteger{K::FujiNote, 0x1002, 1024, "Incandenscense"},
        MakerInteger{K::FujiNote, 0x1001, 2, "Soft"},
        MakerInteger{K::FujiNote, 0x1302, 1, "Overexposure (>1/1000s, F11)"}));

TEST(MakerNoteFormat, NikonIsoIsTheLastElement)
{
    EXPECT_EQ(formatInteger(0x0002, K::NikonNoteWithoutHeader, IntegerValue{0, 2, {0, 200, 0, 0}}),
              QStringLiteral("ISO 200"));
}

TEST(MakerNoteFormat, NikonFocusAndZoomRationals)
{
    const auto text = [](uint16_t tag, int32_t n, int32_t d) { return formatRational(tag, K::NikonNoteWithHeader, n, d); };
    EXPECT_EQ(text(0x0008, 1, 0), QStringLiteral("infinte"));
    EXPECT_EQ(text(0x0008, 10, 4), QStringLiteral("5/2"));
    EXPECT_EQ(text(0x0008, INT_MIN, -1), QStringLiteral("2147483648"));
    EXPECT_EQ(text(0x000A, 150, 100), QStringLiteral("1.5x"));
    EXPECT_EQ(text(0x000A, 0, 100), QStringLiteral("none"));
    EXPECT_EQ(text(0x000A, 3, 0), QStringLiteral("none"));
    EXPECT_EQ(formatRational(0x0086, K::NikonNoteWithoutHeader, 3, 2), QString());
}

TEST(MakerNoteFormat, NamesCarryTheirKindsPrefix)
{
    EXPECT_EQ(tagName(0x0008, K::CanonNote), QStringLiteral("  Image Number"));
    EXPECT_EQ(tagName(0x0017, K::CanonCameraSettings), QStringLiteral("    long focal length of lens (in focal units)"));
    EXPECT_EQ(tagName(0x000F, K::CanonShotInfo), QStringLiteral("    Flash bias"));
    EXPECT_EQ(tagName(0x000D, K::CanonCustomFunctions), QStringLiteral("    Sensor cleaning"));
    EXPECT_EQ(tagName(0x000B, K::NikonNoteWithHeader), QStringLiteral("  Converter"));
    EXPECT_EQ(tagName(0x0088, K::NikonNoteWithoutHeader), QStringLiteral("  AF Focus Position"));
    EXPECT_EQ(tagName(0x0209, K::OlympusNote), QStringLiteral("  Camera ID"));
    EXPECT_EQ(tagName(0x0019, K::CasioNote), QStringLiteral("  Flash Intensity"));
    EXPECT_EQ(tagName(0x1011, K::FujiNote), QStringLiteral("  Flash Strength in APEX(EV)"));
    EXPECT_EQ(tagName(0x0010, K::CanonNote), QString());
}

// A maker note of one directory inside a real EXIF block.
struct NoteBlock {
    ExifData tree;

    NoteBlock(TiffByteOrder order, const QByteArray& make, const QByteArray& prefix, std::shared_ptr<TiffDirectory> note)
    {
        ExifBuilder b(order);
        b.ifd0().set(TiffField::ascii(0x010F, make));
        b.exif().set(TiffField::embedded(0x927C, {prefix, std::move(note), std::nullopt, std::nullopt}));
        tree.parse(b.build(), 0);
    }
    const ExifEntry& entry(uint16_t tag) const
    {
        static const ExifEntry none;
        const ExifEntry* note = tree.findTag(0x927C);
        if (note)
            for (const ExifEntry& e : note->children)
                if (e.tag == tag)
                    return e;
        return none;
    }
    QString text(uint16_t tag) const { return entryText(tree, entry(tag)); }
};

class MakerComposites : public ::testing::TestWithParam<TiffByteOrder> {};

INSTANTIATE_TEST_SUITE_P(ByteOrders, MakerComposites,
                         ::testing::Values(TiffByteOrder::LittleEndian, TiffByteOrder::BigEndian));

TEST_P(MakerComposites, NikonLensAndAfPosition)
{
    struct Lens {
        std::vector<URational> values;
        const char* text;
    };
    const Lens lenses[] = {
        {{{24, 1}, {85, 1}, {28, 10}, {45, 10}}, "24-85 mm  F2.8-4.5"},
        {{{50, 1}, {50, 1}, {18, 10}, {18, 10}}, "50 mm  F1.8"},
        {{{18, 1}, {70, 1}, {35, 10}, {35, 10}}, "18-70 mm  F3.5"},
        // a zero denominator or a zero value: the generic list
        {{{24, 0}, {85, 1}, {28, 10}, {45, 10}}, "24/0, 85, 28/10, 45/10"},
        {{{24, 1}, {85, 1}, {0, 10}, {45, 10}}, "24, 85, 0/10, 45/10"},
        // INT_MIN / -1 is taken in 64 bits
        {{{0x80000000u, 0xFFFFFFFFu}, {85, 1}, {28, 10}, {45, 10}}, "2147483648-85 mm  F2.8-4.5"},
    };
    for (const Lens& lens : lenses) {
        auto note = std::make_shared<TiffDirectory>();
        note->set(TiffField::rationals(0x0084, lens.values));
        note->set(TiffField::undefined(0x0088, QByteArray("\0\x01\0\0", 4)));
        const NoteBlock b(GetParam(), "NIKON", {}, note);
        EXPECT_EQ(b.text(0x0084), QString::fromUtf8(lens.text));
        EXPECT_EQ(b.text(0x0088), QStringLiteral("Top"));
    }
}

TEST_P(MakerComposites, OlympusSpecialMode)
{
    struct Mode {
        std::vector<uint32_t> values;
        const char* text;
    };
    const Mode modes[] = {
        {{3, 5, 1}, "Picture mode: Panorama, Sequence Number: 5, Panorama direction: left to right"},
        {{0, 2, 4}, "Picture mode: Normal, Sequence Number: 2, Panorama direction: top to bottom"},
        {{1, 7, 9}, "Sequence Number: 7"},
    };
    for (const Mode& mode : modes) {
        auto note = std::make_shared<TiffDirectory>();
        note->set(TiffField::longs(0x0200, mode.values));
        const NoteBlock b(GetParam(), "OLYMPUS OPTICAL CO.,LTD", QByteArray("OLYMP\0\x01\0", 8), note);
        EXPECT_EQ(b.text(0x0200), QString::fromUtf8(mode.text));
    }
}

TEST_P(MakerComposites, CanonRowsAppearInThePictureData)
{
    auto note = std::make_shared<TiffDirectory>();
    // camera settings: the length in bytes, then macro mode 1, self-timer 0, quality 5
    note->set(TiffField::shorts(0x0001, {8, 1, 0, 5}));
    note->set(TiffField::longs(0x0008, {1010163}));
    // shot information: white balance (7) 4, flash bias (15) 0xFFF0
    note->set(TiffField::shorts(0x0004, {32, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0xFFF0}));
    const NoteBlock b(GetParam(), "Canon", {}, note);
    std::vector<std::pair<QString, QString>> rows;
    for (const PictureDataRow& row : exifRows(b.tree))
        if (row.kind >= int(K::CanonNote))
            rows.emplace_back(row.name, row.value);
    const std::vector<std::pair<QString, QString>> expected = {
        {"    Macro mode", "Macro"},   {"    Self-timer length", "0"}, {"    Quality", "Superfine"},
        {"    White balance", "Flourescent"}, {"    Sequence number", "0"}, {"    AF point used", "0"},
        {"    Flash bias", "-0.50 EV"}, {"  Image Number", "101-0163"},
    };
    EXPECT_EQ(rows, expected);
}

} // namespace

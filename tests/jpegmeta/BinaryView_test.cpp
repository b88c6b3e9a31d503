// The binary view without a window: digits, characters, marker spans (also
// across a line end), layout, scrolling with 64-bit offsets and the stored
// options.
#include "core/filetypes/PictureFileTypes.h"
#include "core/settings/SettingsStore.h"
#include "jpegmeta/binaryview/BinaryFile.h"
#include "jpegmeta/binaryview/BinaryLayout.h"
#include "jpegmeta/binaryview/BinaryScroll.h"
#include "jpegmeta/binaryview/BinaryText.h"
#include "jpegmeta/binaryview/JpegMarkerSpans.h"
#include "support/TempDir.h"

#include <QFile>
#include <gtest/gtest.h>
#include <climits>
#include <tuple>

using namespace vistello;

namespace {

// Digits are compared with xxd and od (HexCli_test); here the character sets.
TEST(BinaryText, CharacterSets)
{
    const std::tuple<uint8_t, char16_t, char16_t> cases[] = {
        {0x41, u'A', u'A'}, {0x00, u'.', u'\0'}, {0x7F, u'\x7F', u'\x7F'}, {0x80, u'.', u'\u0080'}, {0xA5, u'.', u'\u00A5'}};
    for (const auto& [byte, dotted, coded] : cases) {
        EXPECT_EQ(byteCharacter(byte, true), QChar(dotted)) << int(byte);
        EXPECT_EQ(byteCharacter(byte, false), QChar(coded)) << int(byte);
    }
    EXPECT_EQ(byteDigits(0xA5, 8), QStringLiteral("10100101"));
    EXPECT_EQ(addressText(0x123456789ull, false, 9), QStringLiteral("123456789"));
}

TEST(BinaryText, ShortLastLineKeepsTheCharacterColumnInPlace)
{
    BinaryLineFormat format;
    format.bytesPerLine = 4;
    format.dots = true;
    EXPECT_EQ(binaryLineText(16, QByteArrayView("AB\xFF\x01", 4), format), QStringLiteral("00000010 41 42 ff 01    AB.."));
    EXPECT_EQ(binaryLineText(20, QByteArrayView("A"), format), QStringLiteral("00000014 41             A"));
    format.characters = false;
    format.digits = 3;
    EXPECT_EQ(binaryLineText(20, QByteArrayView("A"), format), QStringLiteral("00000014 065"));
}

TEST(JpegMarkers, PairsOfFfAndAMarkerCode)
{
    struct Case {
        QByteArray window;
        std::optional<uint8_t> before, after;
        std::vector<bool> marked;
    };
    const Case cases[] = {
        {QByteArray("\xFF\xD8\xFF\xE1", 4), std::nullopt, std::nullopt, {true, true, true, true}}, // SOI, APP1
        {QByteArray("\xFF\x00\x12\xFF", 4), std::nullopt, uint8_t(0x00), {false, false, false, false}}, // stuffed
        {QByteArray("\x12\xFF", 2), std::nullopt, uint8_t(0xD9), {false, true}},  // EOI code on the next line
        {QByteArray("\xD9\x12", 2), uint8_t(0xFF), std::nullopt, {true, false}},  // FF on the line before
        {QByteArray("\xFF\xFF\xC4", 3), std::nullopt, std::nullopt, {false, true, true}}, // fill byte
        {QByteArray("\xFF\x01\xFF\xFD\xFF\xF1", 6), std::nullopt, std::nullopt, {true, true, true, true, false, false}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(markerBytes(c.window, c.before, c.after), c.marked) << c.window.toHex().toStdString();
}

TEST(BinaryFile, MarkerAcrossALineEndIsMarkedOnBothLines)
{
    PictureFileTypes& types = PictureFileTypes::instance();
    if (types.fileTypes().empty())
        types.registerBuiltIns(false, nullptr);
    test::TempDir dir;
    QByteArray bytes(32, '\x11');
    bytes[15] = '\xFF';
    bytes[16] = '\xDA';
    BinaryFile file;
    ASSERT_TRUE(file.open(dir.write(QStringLiteral("a.jpg"), bytes)));
    ASSERT_TRUE(file.jpegMarks());
    const BinaryPage first = file.page(0, 1, 16);
    const BinaryPage second = file.page(16, 1, 16);
    EXPECT_TRUE(first.marked[15]);
    EXPECT_EQ(std::count(first.marked.begin(), first.marked.end(), true), 1);
    EXPECT_TRUE(second.marked[0]);
    EXPECT_EQ(std::count(second.marked.begin(), second.marked.end(), true), 1);
    ASSERT_TRUE(file.open(dir.write(QStringLiteral("a.txt"), bytes)));
    EXPECT_FALSE(file.jpegMarks());
    EXPECT_TRUE(file.page(0, 2, 16).marked.empty());
}

// The view once read the whole file into memory; a sparse file past 4 GiB
// must be readable at its end with the address in 9 hex cells.
TEST(BinaryFile, ReadsAWindowPastFourGigabytes)
{
    test::TempDir dir;
    const QString path = dir.file(QStringLiteral("video.avi"));
    const qint64 size = (qint64(1) << 32) + 20;
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        if (!f.resize(size))
            GTEST_SKIP() << "no sparse files here";
        ASSERT_TRUE(f.seek(size - 4));
        f.write("tail", 4);
    }
    BinaryFile file;
    ASSERT_TRUE(file.open(path));
    EXPECT_EQ(file.size(), uint64_t(size));
    const BinaryScroll scroll(file.size(), 16, 10);
    const BinaryPage last = file.page(scroll.end() + 16 * 9, 1, 16);
    EXPECT_EQ(last.offset, uint64_t(size) - 4);
    EXPECT_EQ(last.bytes, QByteArray("tail"));
    BinaryLineFormat format;
    format.addressCells = addressCells(file.size(), false);
    const QString line = binaryLineText(last.offset, last.bytes, format);
    EXPECT_TRUE(line.startsWith(QStringLiteral("100000010 74 61 69 6c "))) << line.toStdString();
    EXPECT_TRUE(line.endsWith(QStringLiteral("    tail")));
}

TEST(BinaryLayout, CellsAndZones)
{
    // 20 cells of 6 px: (W - 13 c) / (c (digits + 1) + a).
    const BinaryLayout layout = layoutBinaryView(13 * 6 + 16 * (3 * 6 + 7) + 5, 200, {6, 7, 12}, 2, 8);
    EXPECT_EQ(layout.bytesPerLine, 16);
    EXPECT_EQ(layout.visibleLines, 16);
    EXPECT_EQ(layout.byteX(0), 9 * 6);
    EXPECT_EQ(layout.charactersX(), (3 * 16 + 12) * 6);
    EXPECT_EQ(layout.zoneAt(9 * 6 - 1), BinaryZone::Address);
    EXPECT_EQ(layout.zoneAt(9 * 6), BinaryZone::Bytes);
    EXPECT_EQ(layout.zoneAt(layout.charactersX()), BinaryZone::Characters);
    EXPECT_EQ(layoutBinaryView(10, 0, {1, 1, 0}, 8, 8).bytesPerLine, 1); // at least one byte, cell at least 4
    for (auto [size, decimal, cells] : {std::tuple{0ull, false, 8}, {0x100000000ull, false, 8}, {0x100000001ull, false, 9},
                                        {100000000ull, true, 8}, {100000001ull, true, 9}})
        EXPECT_EQ(addressCells(size, decimal), cells) << size;
}

TEST(BinaryScroll, LastPageAndSteps)
{
    const BinaryScroll scroll(1000, 16, 20);
    EXPECT_EQ(scroll.lineCount(), 63u);
    EXPECT_EQ(scroll.end(), 688u); // 1000 - 16 x 19 - 1000 mod 16
    EXPECT_EQ(scroll.clampTop(999), 688u);
    EXPECT_EQ(scroll.scrolled(688, -1), 672u);
    EXPECT_EQ(scroll.scrolled(40, -3), 0u);
    EXPECT_EQ(scroll.scrolled(40, INT64_MIN), 0u);
    EXPECT_EQ(scroll.pageDown(0), 320u);
    EXPECT_EQ(scroll.topForBar(scroll.barValue(320)), 320u);
    EXPECT_EQ(BinaryScroll(100, 16, 20).end(), 0u);
}

// The last page of a file whose size is a multiple of the line once ended in an empty line.
TEST(BinaryScroll, SizeAMultipleOfTheLineEndsOnTheLastByte)
{
    const BinaryScroll scroll(1024, 16, 20);
    EXPECT_EQ(scroll.end(), 1024u - 16 * 20);
}

TEST(BinaryScroll, BarIsScaledPastIntLines)
{
    const uint64_t size = 3ull << 30;
    const BinaryScroll scroll(size, 1, 10);
    EXPECT_GT(scroll.linesPerBarStep(), 1u);
    EXPECT_GT(scroll.barMaximum(), INT_MAX / 2);
    EXPECT_EQ(scroll.topForBar(scroll.barMaximum()), size - 10);
    EXPECT_EQ(scroll.barValue(scroll.end()), scroll.barMaximum());
    EXPECT_EQ(scroll.barValue(scroll.topForBar(12345)), 12345);
    EXPECT_EQ(BinaryScroll(1000, 16, 20).linesPerBarStep(), 1u);
}

TEST(BinaryViewOptions, DefaultsClicksAndStorage)
{
    test::TempDir dir;
    SettingsStore settings(dir.path());
    BinaryViewOptions options = BinaryViewOptions::load(settings);
    EXPECT_EQ(options.fontSize, 2);
    EXPECT_EQ(options.digits, 2);
    EXPECT_FALSE(options.decimalAddress); // the view's own default, not the settings table's
    EXPECT_FALSE(options.dotsForControls);
    EXPECT_EQ(options.font().pixelHeight, 9);
    for (int expected : {3, 8, 2}) {
        options.click(BinaryZone::Bytes);
        EXPECT_EQ(options.digits, expected);
    }
    options.click(BinaryZone::Address);
    options.click(BinaryZone::Characters);
    options.fontSize = 3;
    options.store(settings);
    const BinaryViewOptions again = BinaryViewOptions::load(settings);
    EXPECT_TRUE(again.decimalAddress);
    EXPECT_TRUE(again.dotsForControls);
    EXPECT_EQ(again.font().pixelHeight, 12);
}

} // namespace

// The per-key rules of the settings store: int validation, string
// normalisation, the record text and the leading-number parser.
#include "core/settings/IntValidation.h"
#include "core/settings/LeadingInt.h"
#include "core/settings/ResizeRecordCodec.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/StringNormalization.h"

#include <gtest/gtest.h>

#include <climits>

using namespace vistello;

namespace {

struct IntCase {
    const char* key;
    int value;
    int expected;
};

class SettingsIntValidation : public ::testing::TestWithParam<IntCase> {};

TEST_P(SettingsIntValidation, keepsValidValuesAndReplacesOthers)
{
    const IntCase& c = GetParam();
    EXPECT_EQ(validateSettingInt(QString::fromLatin1(c.key), c.value), c.expected) << c.key << " " << c.value;
}

// Each rule at both sides of each bound.
INSTANTIATE_TEST_SUITE_P(Table, SettingsIntValidation, ::testing::Values(
    IntCase{"", 5, 0},
    IntCase{"PictureCacheSize", 1, 1}, IntCase{"PictureCacheSize", 1000, 1000},
    IntCase{"PictureCacheSize", 0, 4}, IntCase{"PictureCacheSize", 1001, 4}, IntCase{"PictureCacheSize", -1, 4},
    IntCase{"PreviewCacheSize", 10000, 10000}, IntCase{"PreviewCacheSize", 10001, 25},
    IntCase{"PreviewCacheSize", 0, 25},
    IntCase{"SelectionViewWidth", 100, 100}, IntCase{"SelectionViewWidth", 99, 200},
    IntCase{"SelectionViewWidth", 1920 - 149, 1920 - 149}, IntCase{"SelectionViewWidth", 1920 - 148, 200},
    IntCase{"SelectionViewWidthFullScreen", 99, 200},
    IntCase{"SelectionViewHeight", 0, 0}, IntCase{"SelectionViewHeight", 10000, 10000},
    IntCase{"SelectionViewHeight", -1, 5000}, IntCase{"SelectionViewHeightFullScreen", 10001, 5000},
    IntCase{"BackgroundColor", -1, 16777215}, IntCase{"BackgroundColor", 0, 0},
    IntCase{"BackgroundColor", -2, -2}, IntCase{"IndexBackgroundColor", -1, 16777215},
    IntCase{"BackgroundColorFullScreen", -1, 0}, IntCase{"TextColor", -1, 0}, IntCase{"TextColor", 255, 255},
    IntCase{"TransitionsDelay", 10, 10}, IntCase{"TransitionsDelay", 11, 1}, IntCase{"TransitionsDelay", 0, 1},
    IntCase{"PanoramaAutoScrollSpeed", 1, 1}, IntCase{"PanoramaAutoScrollSpeed", 0, 2},
    IntCase{"AutoShowDelay", 0, 0}, IntCase{"AutoShowDelay", INT_MAX, INT_MAX}, IntCase{"AutoShowDelay", -1, 10},
    IntCase{"LastPictureIndex", -1, 0}, IntCase{"PrinterX", -5, 0}, IntCase{"PrinterY", 3, 3},
    IntCase{"PanoramaOverlap", -1, 0}, IntCase{"HTMLscaledOriginalSizeX", -1, 0},
    IntCase{"HTMLscaledOriginalSizeY", 7, 7},
    IntCase{"IndexPicturesPerRow", 0, 4}, IntCase{"HTMLPicturesPerRow", 10000, 10000},
    IntCase{"HTMLPicturesPerRow", 10001, 4},
    IntCase{"HTMLRowsPerPage", 0, 0}, IntCase{"HTMLRowsPerPage", -1, 4},
    IntCase{"IndexPicturesPerColumn", 0, 7}, IntCase{"IndexPicturesPerColumn", 1, 1},
    IntCase{"IndexPictureSizeX", 0, 120}, IntCase{"HTMLPicturesSizeX", 1, 1}, IntCase{"HTMLPicturesSizeY", 0, 120},
    IntCase{"IndexPictureSizeY", 0, 80},
    IntCase{"IndexBorderX", -1, 5}, IntCase{"IndexBorderY", 0, 0},
    IntCase{"TextCompareIndex", 2, 2}, IntCase{"NameCompareIndex", 3, 0}, IntCase{"TextCompareIndex", -1, 0},
    IntCase{"SearchMode", 3, 3}, IntCase{"SearchMode", 0, 1}, IntCase{"SearchMode", 4, 1},
    IntCase{"CropAspectRatioZ", 0, 1}, IntCase{"CropAspectRatioN", 16, 16},
    IntCase{"HexViewDigits", 2, 2}, IntCase{"HexViewDigits", 3, 3}, IntCase{"HexViewDigits", 8, 8},
    IntCase{"HexViewDigits", 4, 2},
    // Keys compare exactly; unknown keys take any value.
    IntCase{"picturecachesize", -1, -1}, IntCase{"RenameFirstIndex", INT_MIN, INT_MIN}));

TEST(SettingsIntValidation, selectionWidthFollowsThePrimaryScreen)
{
    setPrimaryScreenWidth(1000);
    EXPECT_EQ(validateSettingInt(u"SelectionViewWidth", 851), 851);
    EXPECT_EQ(validateSettingInt(u"SelectionViewWidth", 852), 200);
    setPrimaryScreenWidth(INT_MIN); // a nonsense width must not overflow the bound
    EXPECT_EQ(validateSettingInt(u"SelectionViewWidth", 100), 200);
    setPrimaryScreenWidth(kDefaultPrimaryScreenWidth);
}

// The file is read before the screen is known: a width that suits the real
// screen must survive the built-in default.
TEST(SettingsRules, ScreenDependentWidthsWaitForTheScreen)
{
    SettingsStore store(QStringLiteral("/nonexistent-folder"));
    store.loadFromText(QStringLiteral("<Settings><c Attr=\"SelectionViewWidth\" Type=\"int\">2000</c></Settings>"),
                       QDate(2024, 5, 17));
    setPrimaryScreenWidth(2560);
    EXPECT_EQ(store.getInt(QStringLiteral("SelectionViewWidth"), 200), 2000);
    setPrimaryScreenWidth(kDefaultPrimaryScreenWidth);
}

struct StringCase {
    const char* key;
    const char* value;
    const char* expected;
};

class SettingsStringNormalization : public ::testing::TestWithParam<StringCase> {};

TEST_P(SettingsStringNormalization, appliesTheKeysRule)
{
    const StringCase& c = GetParam();
    EXPECT_EQ(normalizeSettingString(QString::fromLatin1(c.key), QString::fromUtf8(c.value)),
              QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Table, SettingsStringNormalization, ::testing::Values(
    StringCase{"PictureListExtension", "txt", ".txt"}, StringCase{"PictureListExtension", "t", ".csv"},
    StringCase{"PictureListExtension", "", ".csv"}, StringCase{"PictureListExtension", ".", ".csv"},
    StringCase{"PictureListExtension", ".lst", ".lst"},
    StringCase{"PanoramaSplitTargetFolder", "/tmp/out", "/tmp/out/"},
    StringCase{"IndexTargetFolder", "/tmp/out/", "/tmp/out/"}, StringCase{"HTMLTargetFolder", "", ""},
    StringCase{"IndexFileName", "", "index%d.jpg"}, StringCase{"IndexFileName", "sheet.jpg", "index%d.jpg"},
    StringCase{"IndexFileName", "sheet%03d.jpg", "sheet%03d.jpg"},
    StringCase{"IndexFileName", "%s%n.jpg", "index%d.jpg"}, StringCase{"IndexFileName", "a%d%d", "index%d.jpg"},
    StringCase{"HTMLTargetFileName", "", "index.html"}, StringCase{"HTMLTargetFileName", "gallery", "gallery.html"},
    StringCase{"HTMLTargetFileName", "start.htm", "start.htm"},
    StringCase{"HTMLtitle", "", ""}, StringCase{"LastUsedFolder", "/a", "/a"},
    StringCase{"indexfilename", "x", "x"}));

QString sampleTemplate(QStringView key)
{
    return key == u"HTMLIndexPage" ? QStringLiteral("<html>%4</html>") : QStringLiteral("<p>%5</p>");
}

TEST(SettingsStringNormalization, emptyPageTemplatesReadAsTheRegisteredOnes)
{
    EXPECT_EQ(normalizeSettingString(u"HTMLIndexPage", QString()), QString());
    setBuiltInTextProvider(&sampleTemplate);
    EXPECT_EQ(normalizeSettingString(u"HTMLIndexPage", QString()), QStringLiteral("<html>%4</html>"));
    EXPECT_EQ(normalizeSettingString(u"HTMLPicturePage", QString()), QStringLiteral("<p>%5</p>"));
    EXPECT_EQ(normalizeSettingString(u"HTMLPicturePage", QStringLiteral("mine")), QStringLiteral("mine"));
    setBuiltInTextProvider(nullptr);
}

struct LeadingIntCase {
    const char* text;
    int value;
    bool hasDigits;
};

class SettingsLeadingInt : public ::testing::TestWithParam<LeadingIntCase> {};

TEST_P(SettingsLeadingInt, readsBlanksSignDigitsAndSaturates)
{
    const LeadingIntCase& c = GetParam();
    const QString text = QString::fromLatin1(c.text);
    const LeadingInt result = scanLeadingInt(text);
    EXPECT_EQ(result.value, c.value) << c.text;
    EXPECT_EQ(result.hasDigits, c.hasDigits) << c.text;
    EXPECT_EQ(parseLeadingInt(text), c.value);
}

INSTANTIATE_TEST_SUITE_P(Table, SettingsLeadingInt, ::testing::Values(
    LeadingIntCase{"42", 42, true}, LeadingIntCase{"  42abc", 42, true}, LeadingIntCase{"\t\r\n 7", 7, true},
    LeadingIntCase{"-17", -17, true}, LeadingIntCase{"+5", 5, true}, LeadingIntCase{"abc", 0, false},
    LeadingIntCase{"", 0, false}, LeadingIntCase{"-", 0, false}, LeadingIntCase{"- 5", 0, false},
    LeadingIntCase{"2147483647", INT_MAX, true}, LeadingIntCase{"2147483648", INT_MAX, true},
    LeadingIntCase{"99999999999999999999999999", INT_MAX, true},
    LeadingIntCase{"-2147483648", INT_MIN, true}, LeadingIntCase{"-2147483649", INT_MIN, true},
    LeadingIntCase{"-99999999999999999999999999", INT_MIN, true}, LeadingIntCase{"0x10", 0, true}));

TEST(SettingsResizeRecord, writesElevenNumbersInFieldOrder)
{
    ResizeSettings r;
    r.enabled = false;
    r.sizeLimitGiven = true;
    r.width = 800;
    r.height = -1;
    r.ratioNumerator = 3;
    r.ratioDenominator = 2;
    r.lumaQuality = 75;
    r.chromaQuality = 60;
    r.sizeLimitKilobytes = 120;
    EXPECT_EQ(encodeResizeRecord(r), QStringLiteral("0;1;800;-1;3;2;1;75;60;1;120"));
    EXPECT_EQ(decodeResizeRecord(encodeResizeRecord(r), ResizeSettings{}), r);
}

TEST(SettingsResizeRecord, numbersMissingAtTheEndKeepTheirDefaults)
{
    ResizeSettings defaults;
    defaults.width = 1024;
    defaults.sizeLimitKilobytes = 99;

    ResizeSettings expected = defaults;
    expected.enabled = false;
    expected.fixedSize = true; // 7 is not 0
    expected.width = 300;
    EXPECT_EQ(decodeResizeRecord(u"0;7;300", defaults), expected);
    EXPECT_EQ(decodeResizeRecord(u"0;7;300;", defaults), expected);
    EXPECT_EQ(decodeResizeRecord(u"0;7;300;x;5", defaults), expected);
    // A blank before a ";" stops the reading, as after a number in the reader's format.
    ResizeSettings notFixed;
    notFixed.fixedSize = false;
    EXPECT_FALSE(decodeResizeRecord(u" 0 ;7", notFixed).enabled);
    EXPECT_FALSE(decodeResizeRecord(u" 0 ;7", notFixed).fixedSize);
    EXPECT_EQ(decodeResizeRecord(u"", defaults), defaults);
    EXPECT_EQ(decodeResizeRecord(u"1;1;99999999999", defaults).width, INT_MAX);
}

} // namespace

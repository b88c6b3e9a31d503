// The crop page's steps: typing, the lock, presets, the viewer's selection
// and the stored rectangle.
#include "app/window/taskpane/CropPageRules.h"

#include "core/settings/SettingsStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

constexpr CropFrame k420{640, 480, 16, 16};

std::array<QString, 5> edits(const char* w, const char* h, const char* x, const char* y, const char* shortText = "")
{
    return {QString::fromLatin1(w), QString::fromLatin1(h), QString::fromLatin1(x), QString::fromLatin1(y),
            QString::fromLatin1(shortText)};
}

TEST(CropPageRules, unlockedPageShowsThePicturesShape)
{
    const CropPageRules page(k420, {false, 2, 3});
    const CropFieldTexts t = page.texts();
    EXPECT_EQ(t.ratioZ, QStringLiteral("4"));
    EXPECT_EQ(t.ratioN, QStringLiteral("3"));
    EXPECT_EQ(t.values[4], QStringLiteral("1x1+0+0"));
    EXPECT_EQ(t.widthNote, QStringLiteral("(640)"));
    EXPECT_EQ(t.heightNote, QStringLiteral("(480)"));
    EXPECT_EQ(t.leftNote, QStringLiteral("(@16)"));
    EXPECT_EQ(t.topNote, QStringLiteral("(@16)"));
}

TEST(CropPageRules, typingLeftKeepsItAndSnapsTheTop)
{
    CropPageRules page(k420, {false, 1, 1});
    page.typed(3, edits("200", "100", "100", "37"), 0);
    EXPECT_EQ(page.texts().values, (std::array<QString, 5>{"200", "100", "100", "32", "200x100+100+32"}));
    page.typed(5, edits("", "", "", "", "640x480+32+16"), 11);
    EXPECT_EQ(page.selection(), (CropSelection{32, 16, 608, 464})); // top typed: the size shrinks below it
    page.typed(2, edits("abc", "", "12", "7"), 0); // not numbers: 0, then limited
    EXPECT_EQ(page.selection(), (CropSelection{0, 0, 1, 1}));
}

TEST(CropPageRules, lockReadsTheRatioEditsAndFitsTheHeight)
{
    CropPageRules page(k420, {false, 1, 1});
    page.typed(1, edits("600", "10", "0", "0"), 0);
    page.toggleLock(QStringLiteral("6"), QStringLiteral("4")); // 3:2 after the gcd
    EXPECT_EQ(page.ratio(), (CropRatio{true, 3, 2}));
    EXPECT_EQ(page.selection(), (CropSelection{0, 0, 600, 400}));
    page.toggleLock(QStringLiteral("1"), QStringLiteral("1"));
    EXPECT_FALSE(page.ratio().locked);
    page.toggleLock(QStringLiteral("0"), QStringLiteral("0")); // 0 counts as 1
    EXPECT_EQ(page.ratio(), (CropRatio{true, 1, 1}));
    EXPECT_EQ(page.selection(), (CropSelection{0, 0, 480, 480}));
}

TEST(CropPageRules, presetTwoThreeOnALandscapePicture)
{
    CropPageRules page(k420, {true, 1, 1});
    page.choosePreset(1);
    EXPECT_EQ(page.texts().ratioZ, QStringLiteral("3"));
    EXPECT_EQ(page.texts().ratioN, QStringLiteral("2"));
}

TEST(CropPageRules, viewerSelectionSetsTheUnlockedRatio)
{
    CropPageRules page(k420, {false, 1, 1});
    page.fromViewer({16, 16, 300, 200});
    EXPECT_EQ(page.ratio(), (CropRatio{false, 3, 2}));
    EXPECT_EQ(page.texts().values[4], QStringLiteral("300x200+16+16"));
    page.fromViewer({0, 0, 1, 1});
    EXPECT_EQ(page.ratio(), (CropRatio{false, 4, 3}));
}

TEST(CropPageRules, cropRectIsSixteenLittleEndianBytes)
{
    test::TempDir dir;
    SettingsStore store(dir.path());
    CropSelection s;
    EXPECT_FALSE(loadCropRect(store, s));
    storeCropRect(store, {96, 32, 204, 100});
    QByteArray bytes;
    ASSERT_TRUE(store.getBin(QStringLiteral("CropRect"), bytes));
    EXPECT_EQ(bytes.toHex(), QByteArray("6000000020000000cc00000064000000"));
    ASSERT_TRUE(loadCropRect(store, s));
    EXPECT_EQ(s, (CropSelection{96, 32, 204, 100}));
}

} // namespace
} // namespace vistello

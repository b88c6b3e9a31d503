// The crop page's rules on typed values: worked examples, the guards
// against overflow and division by zero, and the invariants on any input.
#include "jpegedit/crop/CropGeometry.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace vistello {
namespace {

constexpr CropFrame k420{640, 480, 16, 16};
constexpr CropRatio kFree{false, 1, 1};

struct TypedCase {
    const char* name;
    CropFrame frame;
    CropRatio ratio;
    CropEdit edit;
    CropSelection typed;
    const char* expected; // short form
};

const TypedCase kTyped[] = {
    // The typed left distance stays, the top one snaps to the 16-pixel grid.
    {"left typed on 4:2:0", k420, kFree, CropEdit::Left, {100, 37, 200, 100}, "200x100+100+32"},
    // The typed top distance stays, the left one snaps.
    {"top typed on 4:2:0", k420, kFree, CropEdit::Top, {100, 37, 200, 100}, "200x100+96+37"},
    {"width typed snaps both offsets", k420, kFree, CropEdit::Width, {100, 37, 200, 100}, "200x100+96+32"},
    {"width limited to the picture", k420, kFree, CropEdit::Width, {0, 0, 5000, 10}, "640x10+0+0"},
    {"width pushes the left edge in", k420, kFree, CropEdit::Width, {600, 0, 100, 10}, "100x10+540+0"},
    {"left typed limits the width", k420, kFree, CropEdit::Left, {600, 0, 100, 10}, "40x10+600+0"},
    {"zero sizes become 1", k420, kFree, CropEdit::Width, {0, 0, 0, 0}, "1x1+0+0"},
    // 3:2 lock: the derived height 2666 does not fit, the widest 3:2 rectangle does.
    {"3:2 on a wide picture", {4000, 1000, 16, 16}, {true, 3, 2}, CropEdit::Width, {0, 0, 4000, 1000}, "1500x1000+0+0"},
    {"height typed derives the width", k420, {true, 3, 2}, CropEdit::Height, {0, 0, 1, 200}, "300x200+0+0"},
    {"height typed, width too wide", k420, {true, 3, 2}, CropEdit::Height, {0, 0, 1, 480}, "640x426+0+0"},
    {"already in ratio up to rounding is kept", k420, {true, 3, 2}, CropEdit::Width, {0, 0, 301, 200}, "301x200+0+0"},
    {"left typed with lock fits below the top", k420, {true, 1, 1}, CropEdit::Left, {32, 400, 200, 1}, "80x80+32+400"},
    {"top typed with lock", k420, {true, 2, 1}, CropEdit::Top, {0, 100, 1, 50}, "100x50+0+100"},
    // Faults: 32-bit products, zero blocks, ratio parts of 0, derived sizes of 0.
    {"products beyond 32 bits", {60000, 60000, 8, 8}, {true, 99999, 100000}, CropEdit::Width, {0, 0, 60000, 1},
     "60000x60000+0+0"},
    {"block size 0 counts as 1", {100, 100, 0, 0}, kFree, CropEdit::Width, {5, 7, 10, 10}, "10x10+5+7"},
    {"ratio part 0 counts as 1", {100, 100, 8, 8}, {true, 0, 0}, CropEdit::Width, {0, 0, 10, 3}, "10x10+0+0"},
    {"derived height 0 becomes 1", {100, 100, 8, 8}, {true, 1000, 1}, CropEdit::Left, {0, 0, 5, 5}, "5x1+0+0"},
    {"derived width 0 becomes 1", {100, 100, 8, 8}, {true, 1, 1000}, CropEdit::Top, {0, 0, 5, 5}, "1x5+0+0"},
    {"negative offsets are cut", k420, kFree, CropEdit::Left, {-5, -40, 10, 10}, "10x10+0+0"},
};

TEST(CropGeometry, typedValuesAreNormalised)
{
    for (const TypedCase& c : kTyped)
        EXPECT_EQ(shortForm(normaliseTyped(c.typed, c.edit, c.frame, c.ratio)), QLatin1String(c.expected)) << c.name;
}

TEST(CropGeometry, shortFormKindFollowsTheCaret)
{
    const QString text = QStringLiteral("640x480+32+16");
    EXPECT_EQ(parseShortForm(text, 11).kind, CropEdit::Top);   // after the last "+"
    EXPECT_EQ(parseShortForm(text, 13).kind, CropEdit::Top);
    EXPECT_EQ(parseShortForm(text, 9).kind, CropEdit::Left);   // between the two
    EXPECT_EQ(parseShortForm(text, 8).kind, CropEdit::Left);
    EXPECT_EQ(parseShortForm(text, 7).kind, CropEdit::Width);  // not after the first "+"
    EXPECT_EQ(parseShortForm(text, 0).kind, CropEdit::Width);
    EXPECT_EQ(parseShortForm(QStringLiteral("640+480x32"), 9).kind, CropEdit::Width); // "x" after "+"
    EXPECT_EQ(parseShortForm(text, 0).values, (CropSelection{32, 16, 640, 480}));
}

TEST(CropGeometry, shortFormScansWhatIsThere)
{
    EXPECT_EQ(parseShortForm(QStringLiteral("  12X34 + 5 +6 "), 0).values, (CropSelection{5, 6, 12, 34}));
    EXPECT_EQ(parseShortForm(QStringLiteral("12x"), 0).values, (CropSelection{0, 0, 12, 0}));
    EXPECT_EQ(parseShortForm(QStringLiteral(""), 0).values, (CropSelection{0, 0, 0, 0}));
    EXPECT_EQ(parseShortForm(QStringLiteral("abc"), 0).values, (CropSelection{0, 0, 0, 0}));
    // Typed with the caret after the last "+": the top stays, the left snaps.
    EXPECT_EQ(shortForm(normaliseShortForm(QStringLiteral("200x100+37+21"), 13, k420, kFree)),
              QStringLiteral("200x100+32+21"));
}

TEST(CropGeometry, elevenDigitValuesSaturate)
{
    EXPECT_EQ(typedValue(u"99999999999"), 999999999);
    EXPECT_EQ(typedValue(u"12ab"), 12);
    EXPECT_EQ(typedValue(u"x"), 0);
    EXPECT_EQ(shortForm(normaliseShortForm(QStringLiteral("99999999999x99999999999+99999999999+99999999999"), 0,
                                           k420, {true, 3, 2})),
              QStringLiteral("640x426+0+54"));
}

// A derived width far beyond the picture met a room of 2^31 in a product.
TEST(CropGeometry, hugeFramesAndRatiosStayInside)
{
    const CropFrame frame{2000000000, 2000000000, 1, 1};
    for (const CropEdit edit : {CropEdit::Width, CropEdit::Height, CropEdit::Left, CropEdit::Top}) {
        const CropSelection s = normaliseTyped({0, 0, INT_MAX, 2000000000}, edit, frame, {true, 100000, 1});
        EXPECT_GE(s.w, 1);
        EXPECT_GE(s.h, 1);
        EXPECT_LE(qint64(s.x) + s.w, frame.width);
        EXPECT_LE(qint64(s.y) + s.h, frame.height);
    }
}

TEST(CropGeometry, presetsTurnToThePicture)
{
    EXPECT_EQ(presetRatio(1, 640, 480, true), (CropRatio{true, 3, 2}));
    EXPECT_EQ(presetRatio(1, 480, 640, false), (CropRatio{false, 2, 3}));
    EXPECT_EQ(presetRatio(3, 500, 500, true), (CropRatio{true, 13, 9}));
    EXPECT_EQ(presetRatio(2, 300, 400, true), (CropRatio{true, 3, 4}));
    EXPECT_EQ(presetRatio(7, 300, 400, true), (CropRatio{true, 1, 1}));
    EXPECT_EQ(reducedRatio(640, 480, true), (CropRatio{true, 4, 3}));
    EXPECT_EQ(reducedRatio(0, 5, false), (CropRatio{false, 1, 5}));
}

TEST(CropGeometry, startingSelectionTakesTheLargestRectangleOfTheRatio)
{
    // The 2:3 lock turns to 3:2 on a landscape picture.
    EXPECT_EQ(turnedToShape({true, 2, 3}, 640, 480), (CropRatio{true, 3, 2}));
    EXPECT_EQ(turnedToShape({true, 3, 2}, 480, 640), (CropRatio{true, 2, 3}));
    EXPECT_EQ(shortForm(startingSelection(k420, {true, 2, 3}, nullptr)), QStringLiteral("640x426+0+0"));
    EXPECT_EQ(shortForm(startingSelection({4000, 1000, 16, 16}, {true, 2, 3}, nullptr)), QStringLiteral("1500x1000+0+0"));
    EXPECT_EQ(shortForm(startingSelection({480, 640, 16, 16}, {true, 2, 3}, nullptr)), QStringLiteral("426x640+0+0"));
    const CropSelection stored{100, 37, 200, 100};
    EXPECT_EQ(shortForm(startingSelection(k420, kFree, &stored)), QStringLiteral("200x100+96+32"));
    EXPECT_EQ(shortForm(startingSelection(k420, kFree, nullptr)), QStringLiteral("1x1+0+0"));
}

TEST(CropGeometry, fittingTheHeightShrinksTheWidthBelowTheTop)
{
    EXPECT_EQ(shortForm(fitHeightToRatio({0, 400, 300, 10}, k420, {true, 3, 2})), QStringLiteral("120x80+0+400"));
    EXPECT_EQ(shortForm(fitHeightToRatio({0, 0, 300, 10}, k420, {true, 3, 2})), QStringLiteral("300x200+0+0"));
}

TEST(CropGeometry, cropRectBytesAreLittleEndian)
{
    const QByteArray bytes = cropRectBytes({1, 2, 258, -1});
    EXPECT_EQ(bytes.toHex(), QByteArray("010000000200000002010000ffffffff"));
    CropSelection back;
    ASSERT_TRUE(cropRectFromBytes(bytes, back));
    EXPECT_EQ(back, (CropSelection{1, 2, 258, -1}));
    EXPECT_FALSE(cropRectFromBytes(QByteArray(15, '\0'), back));
}

// Any input ends inside the picture with sizes of at least 1.
TEST(CropGeometry, anyInputGivesARectangleInsideThePicture)
{
    QRandomGenerator random(4711);
    const int extremes[] = {INT_MIN, -1, 0, 1, 2, 7, 15, 16, 17, 1000, 65535, 999999999, INT_MAX};
    auto pick = [&](int low, int high) {
        return random.bounded(4) == 0 ? extremes[random.bounded(int(std::size(extremes)))]
                                      : int(random.bounded(qint64(low), qint64(high) + 1));
    };
    for (int i = 0; i < 20000; ++i) {
        const CropFrame frame{std::max(1, pick(1, 5000)), std::max(1, pick(1, 5000)), pick(0, 64), pick(0, 64)};
        const CropRatio ratio{random.bounded(2) == 1, pick(0, 40), pick(0, 40)};
        const CropSelection typed{pick(-100, 6000), pick(-100, 6000), pick(-100, 6000), pick(-100, 6000)};
        const auto edit = CropEdit(random.bounded(6));
        for (const CropSelection s : {normaliseTyped(typed, edit, frame, ratio),
                                      normaliseShortForm(shortForm(typed), pick(0, 30), frame, ratio),
                                      fitHeightToRatio(typed, frame, ratio)}) {
            ASSERT_GE(s.x, 0) << i;
            ASSERT_GE(s.y, 0) << i;
            ASSERT_GE(s.w, 1) << i;
            ASSERT_GE(s.h, 1) << i;
            ASSERT_LE(qint64(s.x) + s.w, frame.width) << i;
            ASSERT_LE(qint64(s.y) + s.h, frame.height) << i;
        }
    }
}

} // namespace
} // namespace vistello

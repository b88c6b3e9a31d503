// The resize options panel's rules as tables: each click from each shown
// state, the two-of-three repair, which controls are usable, and how typed
// values read back.
#include "app/window/taskpane/ResizePanelRules.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

// New size, quality level, file size.
struct Ticks {
    bool size;
    bool quality;
    bool limit;
    bool operator==(const Ticks&) const = default;
};

ResizeSettings shown(Ticks t)
{
    ResizeSettings r;
    r.enabled = t.size;
    r.qualityGiven = t.quality;
    r.sizeLimitGiven = t.limit;
    return r;
}

Ticks ticks(const ResizeSettings& r)
{
    return {r.enabled, r.qualityGiven, r.sizeLimitGiven};
}

TEST(ResizePanelRules, EveryClickOfTheThreeBoxesFromEveryPanelState)
{
    using C = ResizePanelClick;
    struct Case {
        Ticks before;
        C click;
        Ticks after;
    };
    // The three states the panel can show (two of three ticked), each box clicked.
    const Case cases[] = {
        // size + quality
        {{1, 1, 0}, C::NewSize, {0, 1, 1}},
        {{1, 1, 0}, C::QualityLevel, {1, 0, 1}},
        {{1, 1, 0}, C::FileSize, {1, 0, 1}},
        // size + limit
        {{1, 0, 1}, C::NewSize, {0, 1, 1}},
        {{1, 0, 1}, C::QualityLevel, {1, 1, 0}},
        {{1, 0, 1}, C::FileSize, {1, 1, 0}},
        // quality + limit
        {{0, 1, 1}, C::NewSize, {1, 1, 0}},
        {{0, 1, 1}, C::QualityLevel, {1, 0, 1}},
        {{0, 1, 1}, C::FileSize, {1, 1, 0}}, // only quality would be left: repaired
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ticks(afterPanelClick(shown(c.before), c.click)), c.after)
            << c.before.size << c.before.quality << c.before.limit << " click " << int(c.click);
    }
}

TEST(ResizePanelRules, UntickingNewSizeTicksTheOtherTwo)
{
    EXPECT_EQ(ticks(afterPanelClick(shown({1, 1, 0}), ResizePanelClick::NewSize)), (Ticks{0, 1, 1}));
}

TEST(ResizePanelRules, TickingFileSizeWithSizeAndQualityUnticksQuality)
{
    EXPECT_EQ(ticks(afterPanelClick(shown({1, 1, 0}), ResizePanelClick::FileSize)), (Ticks{1, 0, 1}));
}

TEST(ResizePanelRules, AnyCountButTwoBecomesSizeAndQuality)
{
    const Ticks all[] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 1, 1}};
    for (const Ticks t : all)
        EXPECT_EQ(ticks(withTwoOptionsTicked(shown(t))), (Ticks{1, 1, 0})) << t.size << t.quality << t.limit;
    const Ticks two[] = {{1, 1, 0}, {1, 0, 1}, {0, 1, 1}};
    for (const Ticks t : two)
        EXPECT_EQ(ticks(withTwoOptionsTicked(shown(t))), t);
}

TEST(ResizePanelRules, ARadioClickSelectsTheOtherWhenItWasSelected)
{
    struct Case {
        bool fixedBefore;
        ResizePanelClick click;
        bool fixedAfter;
    };
    const Case cases[] = {
        {true, ResizePanelClick::FixedSize, false},
        {false, ResizePanelClick::FixedSize, true},
        {true, ResizePanelClick::Relative, false},
        {false, ResizePanelClick::Relative, true},
    };
    for (const Case& c : cases) {
        ResizeSettings r;
        r.fixedSize = c.fixedBefore;
        EXPECT_EQ(afterPanelClick(r, c.click).fixedSize, c.fixedAfter) << c.fixedBefore << int(c.click);
    }
}

TEST(ResizePanelRules, ControlsFollowTheTicks)
{
    struct Case {
        Ticks t;
        bool fixed;
        bool pictures;
        ResizePanelControls expected; // shown, radios, box, percent, qualities, kilobytes
    };
    const Case cases[] = {
        {{1, 1, 0}, true, true, {true, true, true, false, true, false}},
        {{1, 1, 0}, false, true, {true, true, false, true, true, false}},
        {{0, 1, 1}, true, true, {true, false, false, false, true, true}},
        {{1, 0, 1}, false, false, {false, true, false, true, false, true}},
    };
    for (const Case& c : cases) {
        ResizeSettings r = shown(c.t);
        r.fixedSize = c.fixed;
        const ResizePanelControls got = resizePanelControls(r, c.pictures);
        const ResizePanelControls& e = c.expected;
        EXPECT_EQ(got.shown, e.shown);
        EXPECT_EQ(got.radios, e.radios);
        EXPECT_EQ(got.boxFields, e.boxFields);
        EXPECT_EQ(got.percentField, e.percentField);
        EXPECT_EQ(got.qualities, e.qualities);
        EXPECT_EQ(got.fileSizeField, e.fileSizeField);
    }
}

TEST(ResizePanelRules, TypedValuesReadBackRepaired)
{
    struct Case {
        const char* percent;
        int numerator;
        int denominator;
    };
    const Case cases[] = {{"25", 1, 4}, {"33.3", 333, 1000}, {"150", 3, 2}, {"0", 1, 4}, {"-5", 1, 4}, {"", 1, 4}};
    for (const Case& c : cases) {
        ResizePanelFields f;
        f.width = QStringLiteral("800");
        f.height = QStringLiteral("600");
        f.percent = QString::fromLatin1(c.percent);
        f.kilobytes = QStringLiteral("0");
        f.luminance = 75;
        f.chrominance = 40;
        const ResizeSettings r = readResizePanel(ResizeSettings{}, f);
        EXPECT_EQ(r.ratioNumerator, c.numerator) << c.percent;
        EXPECT_EQ(r.ratioDenominator, c.denominator) << c.percent;
        EXPECT_EQ(r.width, 800);
        EXPECT_EQ(r.height, 600);
        EXPECT_EQ(r.sizeLimitKilobytes, 50); // 0 is repaired
        EXPECT_EQ(r.lumaQuality, 75);
        EXPECT_EQ(r.chromaQuality, 40);
    }
}

TEST(ResizePanelRules, ARatioShowsAsItsPercentage)
{
    ResizeSettings r;
    r.ratioNumerator = 333;
    r.ratioDenominator = 1000;
    EXPECT_EQ(resizePanelFields(r).percent, QStringLiteral("33.3"));
    r.ratioNumerator = 1;
    r.ratioDenominator = 4;
    EXPECT_EQ(resizePanelFields(r).percent, QStringLiteral("25"));
}

} // namespace
} // namespace vistello

// The resize record's repairs, the size arithmetic (against the worked
// examples, and in 64 bits at the extremes) and the two size searches with
// an encoder whose output size is known.
#include "imaging/scale/ScaledSize.h"
#include "jpegedit/resize/ResizeGeometry.h"
#include "jpegedit/resize/ResizeRules.h"
#include "jpegedit/resize/ResizeSearch.h"

#include <gtest/gtest.h>
#include <vector>

namespace vistello {
namespace {

ResizeSettings record(int w, int h, int n, int d, int l, int c, int kb)
{
    ResizeSettings r;
    r.width = w;
    r.height = h;
    r.ratioNumerator = n;
    r.ratioDenominator = d;
    r.lumaQuality = l;
    r.chromaQuality = c;
    r.sizeLimitKilobytes = kb;
    return r;
}

TEST(ResizeRules, ValidationRepairsEachFieldAlone)
{
    const struct {
        ResizeSettings in;
        ResizeSettings out;
    } cases[] = {
        {record(-1, -5, 1, 4, 90, 90, 50), record(640, 480, 1, 4, 90, 90, 50)},
        {record(0, 0, 0, 7, 101, -1, 0), record(0, 0, 1, 4, 90, 90, 50)},
        {record(800, 600, 6, -3, 0, 100, -9), record(800, 600, 1, 4, 0, 100, 50)},
        {record(800, 600, 30000, 100000, 75, 40, 120), record(800, 600, 3, 10, 75, 40, 120)},
        {record(800, 600, 2000000000, 3, 75, 40, 120), record(800, 600, 100, 1, 75, 40, 120)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(validResizeSettings(c.in), c.out) << c.in.ratioNumerator << "/" << c.in.ratioDenominator;
}

TEST(ResizeRules, PercentagesAreHeldAsReducedRatios)
{
    const struct {
        double percent;
        int num;
        int den;
        const char* shown;
    } cases[] = {{25, 1, 4, "25"},   {33.3, 333, 1000, "33.3"}, {150, 3, 2, "150"}, {0, 1, 4, "25"},
                 {-5, 1, 4, "25"},   {20000, 100, 1, "10000"},  {10000, 100, 1, "10000"}};
    for (const auto& c : cases) {
        ResizeSettings r;
        setResizePercent(r, c.percent);
        EXPECT_EQ(r.ratioNumerator, c.num) << c.percent;
        EXPECT_EQ(r.ratioDenominator, c.den) << c.percent;
        EXPECT_EQ(resizePercentText(r), QString::fromLatin1(c.shown)) << c.percent;
    }
}

struct Size {
    int64_t w;
    int64_t h;
    bool operator==(const Size&) const = default;
};

Size applied(ScaleRatio r, int w, int h)
{
    return {scaledSide(w, r.num, r.den), scaledSide(h, r.num, r.den)};
}

TEST(ResizeGeometry, WorkedExamplesAndExtremes)
{
    // 3000 x 2000 into 640 x 480: decoded at 1/4, then 640/750.
    EXPECT_EQ(applied(boxRatio(750, 500, 640, 480, false), 750, 500), (Size{640, 426}));
    // Smaller than the box: enlarged until it touches.
    EXPECT_EQ(applied(boxRatio(320, 240, 640, 480, false), 320, 240), (Size{640, 480}));
    // Turned afterwards: the box is tested the other way round.
    EXPECT_EQ(applied(boxRatio(750, 500, 640, 480, true), 750, 500), (Size{480, 320}));
    // 25 % of 3000 x 2000 decoded at 750 x 500: nothing left to do; 30 % from 3/8.
    EXPECT_TRUE(relativeRatio(1, 4, 750, 500, 3000, 2000).identity());
    EXPECT_EQ(applied(relativeRatio(3, 10, 1125, 750, 3000, 2000), 1125, 750), (Size{900, 600}));
    EXPECT_TRUE(relativeRatio(0, 4, 750, 500, 3000, 2000).identity());
    // Products far beyond 32 bits, and the 65500 cut.
    EXPECT_EQ(applied(limitedToMaxSide(boxRatio(65535, 3, 2000000000, 2000000000, false), 65535, 3), 65535, 3),
              (Size{65500, 2}));
    const ScaleRatio huge = relativeRatio(9999999, 100000, 1000, 999, 65535, 65000);
    EXPECT_GT(huge.num, 0);
    EXPECT_EQ(applied(limitedToMaxSide(huge, 1000, 999), 1000, 999), (Size{65500, 65434}));
}

// Output size grows with both qualities and with the percentage.
struct FakeEncoder {
    std::vector<ResizeTrial> trials;
    std::optional<ResizeCandidate> operator()(const ResizeTrial& t)
    {
        trials.push_back(t);
        ResizeCandidate c;
        c.qualities = t.qualities;
        c.encoded.bytes = QByteArray(t.percent * 100 + t.qualities.luminance * 10 + t.qualities.chrominance, 'x');
        return c;
    }
    // The luminance of the first pass's trials.
    std::vector<int> firstPass() const
    {
        std::vector<int> v;
        for (size_t i = 0; i < trials.size() && i < 7; ++i)
            v.push_back(trials[i].qualities.luminance);
        return v;
    }
};

TEST(ResizeSearch, QualitySearchKeepsTheLargestFittingTrial)
{
    FakeEncoder tooLarge;
    ResizeSearchOutcome none = qualitySearch(10, std::ref(tooLarge));
    ASSERT_EQ(tooLarge.trials.size(), 14u);
    EXPECT_EQ(tooLarge.firstPass(), (std::vector<int>{50, 25, 12, 6, 3, 1, 0}));
    ASSERT_TRUE(none.chosen);
    EXPECT_FALSE(none.limitMet);
    EXPECT_EQ(none.chosen->size(), 10000 + 0); // luminance 0, chrominance 0: the smallest

    FakeEncoder allFit;
    ResizeSearchOutcome best = qualitySearch(1 << 20, std::ref(allFit));
    EXPECT_EQ(allFit.firstPass(), (std::vector<int>{50, 75, 87, 93, 96, 98, 100}));
    EXPECT_TRUE(best.limitMet);
    EXPECT_EQ(best.chosen->qualities, (JpegQualities{100, 100}));

    // A trial that lands on the limit itself fits (luminance 67 from the first pass, then chrominance 70).
    FakeEncoder between;
    const qint64 limit = 10000 + 700 + 40;
    ResizeSearchOutcome fit = qualitySearch(limit, std::ref(between));
    ASSERT_TRUE(fit.chosen && fit.limitMet);
    EXPECT_EQ(fit.chosen->size(), limit);
    EXPECT_EQ(fit.chosen->qualities, (JpegQualities{67, 70}));
}

TEST(ResizeSearch, ScaleSearchNeverGoesBelowOnePercentAndFailsWithItsTrial)
{
    FakeEncoder tooLarge;
    const ResizeSearchOutcome none = scaleSearch(10, {90, 90}, std::ref(tooLarge));
    std::vector<int> percents;
    for (const ResizeTrial& t : tooLarge.trials)
        percents.push_back(t.percent);
    EXPECT_EQ(percents, (std::vector<int>{50, 25, 12, 6, 3, 1, 1}));
    EXPECT_FALSE(none.limitMet);
    EXPECT_EQ(none.chosen->size(), 100 + 900 + 90);

    int calls = 0;
    const ResizeSearchOutcome failed = scaleSearch(10, {90, 90}, [&](const ResizeTrial&) -> std::optional<ResizeCandidate> {
        ++calls;
        return std::nullopt;
    });
    EXPECT_FALSE(failed.chosen);
    EXPECT_EQ(calls, 1);
}

} // namespace
} // namespace vistello

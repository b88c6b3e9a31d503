// Where a panorama is cut: the worked examples and the plans that must not run.
#include "publish/panorama/PanoramaPlan.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

using Segments = std::vector<PanoramaSegment>;

PanoramaInput wide(bool landscape, int overlap = 0)
{
    return {4000, 1000, 16, 2000, 3000, landscape, overlap};
}

TEST(PanoramaPlan, landscapeSegmentsStartOnTheBlockGrid)
{
    const PanoramaPlan plan = planPanorama(wide(true));
    EXPECT_EQ(plan.segmentWidth, 1500);
    EXPECT_EQ(plan.segments, (Segments{{1, 0, 1500}, {2, 1488, 1500}, {3, 2976, 1024}}));
}

TEST(PanoramaPlan, portraitSegmentsAreNarrower)
{
    const PanoramaPlan plan = planPanorama(wide(false));
    EXPECT_EQ(plan.segmentWidth, 666);
    ASSERT_FALSE(plan.segments.empty());
    EXPECT_EQ(plan.segments.front(), (PanoramaSegment{1, 0, 666}));
    EXPECT_EQ(plan.segments[1], (PanoramaSegment{2, 656, 666}));
    EXPECT_EQ(plan.segments.back().x + plan.segments.back().width, 4000);
}

TEST(PanoramaPlan, overlapIsAtMostHalfASegment)
{
    const PanoramaPlan plan = planPanorama(wide(true, 1000));
    EXPECT_EQ(plan.overlap, 750);
    EXPECT_EQ(plan.segments[1], (PanoramaSegment{2, 736, 1500}));
    EXPECT_EQ(planPanorama(wide(true, -5)).overlap, 0);
}

TEST(PanoramaPlan, nothingToCut)
{
    EXPECT_TRUE(planPanorama({1400, 1000, 16, 2000, 3000, true, 0}).segments.empty()); // narrower than S
    EXPECT_TRUE(planPanorama({1500, 1000, 16, 2000, 3000, true, 0}).segments.empty()); // exactly S
    EXPECT_TRUE(planPanorama({4000, 1000, 16, 0, 3000, true, 0}).segments.empty());
    EXPECT_TRUE(planPanorama({4000, 1000, 16, 3000, 0, true, 0}).segments.empty());
    EXPECT_TRUE(planPanorama({4000, 10, 16, 1, 100000, false, 0}).segments.empty()); // S = 0
}

// Segment 30, overlap 15, block 16: the step floors to 0 and the loop would
// never end; the plan is refused as a whole.
TEST(PanoramaPlan, aStepThatFloorsToNothingIsRefused)
{
    const PanoramaPlan plan = planPanorama({1000, 1000, 16, 30, 1000, false, 15});
    EXPECT_EQ(plan.segmentWidth, 30);
    EXPECT_TRUE(plan.stalls);
    EXPECT_TRUE(plan.segments.empty());
}

// A block wider than the segment: every cut is a block wide, but the last
// one stops at the picture's right edge.
TEST(PanoramaPlan, aCutNeverRunsPastTheRightEdge)
{
    const PanoramaPlan plan = planPanorama({100, 100, 64, 10, 100, false, 0});
    EXPECT_EQ(plan.segments, (Segments{{1, 0, 64}, {2, 64, 36}}));
    for (int w = 1; w < 300; ++w)
        for (const PanoramaSegment& s : planPanorama({w, 100, 64, 13, 100, false, 3}).segments)
            ASSERT_LE(s.x + s.width, w) << w;
}

} // namespace
} // namespace vistello

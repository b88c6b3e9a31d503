#include "app/window/viewer/TransitionPlan.h"

#include <QRegion>
#include <gtest/gtest.h>

using namespace vistello;

namespace {

QRegion uncovered(const std::vector<TransitionStep>& steps, QSize area)
{
    QRegion left(QRect(QPoint(0, 0), area));
    for (const TransitionStep& step : steps)
        for (const QRect& copy : step.copies)
            left -= copy;
    return left;
}

} // namespace

TEST(ViewerTransitions, EveryEffectUncoversTheWholeArea)
{
    QRandomGenerator random(7);
    for (const QSize area : {QSize(1, 1), QSize(17, 17), QSize(800, 600), QSize(1280, 1024), QSize(71, 50)}) {
        for (int e = 0; e < kTransitionEffects; ++e) {
            std::vector<TransitionStep> plan = transitionPlan(TransitionEffect(e), area, random);
            EXPECT_TRUE(uncovered(plan, area).isEmpty()) << e << " " << area.width();
            // Apart from tiles of narrow areas, the effect itself already covers everything.
            plan.pop_back();
            if (e != int(TransitionEffect::RandomTiles))
                EXPECT_TRUE(uncovered(plan, area).isEmpty()) << e << " " << area.width();
        }
    }
}

TEST(ViewerTransitions, StepCountsAndWaits)
{
    QRandomGenerator random(1);
    const auto plan = [&](TransitionEffect e) { return transitionPlan(e, {800, 600}, random); };
    // Blinds: band 60, k = 0, 2 .. 58; two delay units each.
    EXPECT_EQ(plan(TransitionEffect::HorizontalBlinds).size(), 30u + 1);
    EXPECT_EQ(plan(TransitionEffect::HorizontalBlinds).front().waitUnits, 2);
    EXPECT_EQ(plan(TransitionEffect::HorizontalBlinds).front().copies.size(), 10u);
    // Closing: y = 0, 4 .. 300 (< 304); opening: y = 300 .. -4.
    EXPECT_EQ(plan(TransitionEffect::CloseVertically).size(), 76u + 1);
    EXPECT_EQ(plan(TransitionEffect::OpenVertically).size(), 77u + 1);
    const auto tiles = plan(TransitionEffect::RandomTiles);
    ASSERT_EQ(tiles.size(), 100u + 1);
    QRegion cells;
    for (size_t i = 0; i + 1 < tiles.size(); ++i)
        cells += tiles[i].copies.front();
    EXPECT_EQ(cells, QRegion(0, 0, 880, 660)); // ten tiles of 88 x 66 each way, all different
}

TEST(ViewerTransitions, EffectsAreChosenUniformly)
{
    QRandomGenerator random(3);
    int counts[kTransitionEffects] = {};
    for (int i = 0; i < 7000; ++i)
        ++counts[int(chooseEffect(random))];
    for (int count : counts)
        EXPECT_GT(count, 800);
}

#include "app/window/viewer/TransitionSchedule.h"

#include <gtest/gtest.h>

using namespace vistello;

TEST(TransitionSchedule, StepsComeWhenDue)
{
    std::vector<TransitionStep> steps = {{{QRect(0, 0, 10, 1)}, 2}, {{QRect(0, 1, 10, 1)}, 3}, {{QRect(0, 0, 10, 10)}, 0}};
    TransitionSchedule schedule;
    schedule.start(steps, 4); // waits of 8 and 12 ms
    EXPECT_TRUE(schedule.running());
    EXPECT_EQ(schedule.advance(0), std::vector<QRect>{QRect(0, 0, 10, 1)});
    EXPECT_TRUE(schedule.advance(7).empty());
    EXPECT_EQ(schedule.advance(8), std::vector<QRect>{QRect(0, 1, 10, 1)});
    EXPECT_TRUE(schedule.advance(19).empty());
    // A late frame gets the rest at once.
    EXPECT_EQ(schedule.advance(100), std::vector<QRect>{QRect(0, 0, 10, 10)});
    EXPECT_FALSE(schedule.running());
    schedule.start(steps, 1);
    schedule.finish();
    EXPECT_FALSE(schedule.running());
    EXPECT_TRUE(schedule.advance(100).empty());
}

// The red-eye mode's guidance steps, enabled controls and mouse rules, as
// tables of events and expected outcomes.
#include "app/window/redeye/RedEyeDrag.h"
#include "app/window/redeye/RedEyeSteps.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace vistello {
namespace {

TEST(RedEyeSteps, StartsAtOneWithOnlyCancelAndCopy)
{
    const RedEyeSteps steps;
    EXPECT_EQ(steps.step(), 1);
    EXPECT_FALSE(steps.controls().remove);
    EXPECT_FALSE(steps.controls().reset);
    EXPECT_FALSE(steps.controls().intensity);
    EXPECT_FALSE(steps.controls().save);
}

TEST(RedEyeSteps, TransitionTable)
{
    using Event = std::function<void(RedEyeSteps&)>;
    const Event select = [](RedEyeSteps& s) { s.newSelection(); };
    const Event red = [](RedEyeSteps& s) { s.selectionFinished(true); };
    const Event grey = [](RedEyeSteps& s) { s.selectionFinished(false); };
    const Event fix = [](RedEyeSteps& s) { s.corrected(true, true); };
    const Event noFix = [](RedEyeSteps& s) { s.corrected(false, false); };
    const Event resetDiffers = [](RedEyeSteps& s) { s.reset(true); };
    const Event resetClean = [](RedEyeSteps& s) { s.reset(false); };
    const struct {
        const char* name;
        std::vector<Event> events;
        int step;
    } cases[] = {
        {"red selection", {select, red}, 2},
        {"grey selection", {select, grey}, 1},
        {"corrected", {select, red, fix}, 3},
        {"nothing changed", {select, red, noFix}, 1},
        {"second red area", {select, red, fix, select, red}, 4},
        {"corrected again", {select, red, fix, select, red, fix}, 5},
        {"second area unchanged", {select, red, fix, select, red, noFix}, 3},
        {"new selection after 5", {select, red, fix, select, red, fix, select}, 3},
        {"new selection at 2", {select, red, select}, 1},
        {"reset at 2", {select, red, resetDiffers}, 1},
        {"reset at 5, still differs", {select, red, fix, select, red, fix, resetDiffers}, 3},
        {"reset at 5, clean", {select, red, fix, select, red, fix, resetClean}, 1},
    };
    for (const auto& c : cases) {
        RedEyeSteps steps;
        for (const Event& e : c.events)
            e(steps);
        EXPECT_EQ(steps.step(), c.step) << c.name;
    }
}

TEST(RedEyeSteps, ControlsFollowTheEvents)
{
    RedEyeSteps steps;
    steps.selectionFinished(false);
    EXPECT_FALSE(steps.controls().remove); // less than 1 % red
    EXPECT_FALSE(steps.controls().reset);
    steps.selectionFinished(true);
    EXPECT_TRUE(steps.controls().remove);
    EXPECT_TRUE(steps.controls().intensity);
    EXPECT_TRUE(steps.controls().reset);
    EXPECT_FALSE(steps.controls().save);
    steps.corrected(true, true);
    EXPECT_TRUE(steps.controls().save);
    steps.newSelection();
    EXPECT_FALSE(steps.controls().remove);
    EXPECT_FALSE(steps.controls().intensity);
    EXPECT_TRUE(steps.controls().save);
    steps.reset(false);
    EXPECT_FALSE(steps.controls().save);
    EXPECT_FALSE(steps.controls().remove);
    EXPECT_FALSE(steps.controls().reset);
}

TEST(RedEyeDrag, GrabTable)
{
    const RedEyeRect sel{100, 100, 200, 160};
    const struct {
        QPoint at;
        DragMode mode;
    } cases[] = {
        {{50, 50}, DragMode::New},         {{95, 95}, DragMode::New},        {{150, 130}, DragMode::Move},
        {{98, 102}, DragMode::TopLeft},    {{203, 97}, DragMode::TopRight},  {{100, 164}, DragMode::BottomLeft},
        {{204, 164}, DragMode::BottomRight}, {{97, 130}, DragMode::Left},    {{202, 130}, DragMode::Right},
        {{150, 96}, DragMode::Top},        {{150, 163}, DragMode::Bottom},   {{205, 130}, DragMode::New},
    };
    for (const auto& c : cases)
        EXPECT_EQ(int(grabAt(sel, c.at)), int(c.mode)) << c.at.x() << "," << c.at.y();
    EXPECT_EQ(int(grabAt({}, {0, 0})), int(DragMode::New));
    EXPECT_EQ(cursorAt(sel, {150, 130}), Qt::SizeAllCursor);
    EXPECT_EQ(cursorAt(sel, {100, 100}), Qt::SizeFDiagCursor);
    EXPECT_EQ(cursorAt(sel, {200, 100}), Qt::SizeBDiagCursor);
    EXPECT_EQ(cursorAt(sel, {100, 130}), Qt::SizeHorCursor);
    EXPECT_EQ(cursorAt(sel, {150, 160}), Qt::SizeVerCursor);
    EXPECT_EQ(cursorAt(sel, {10, 10}), Qt::ArrowCursor);
}

TEST(RedEyeDrag, MovesStayInsideThePicture)
{
    const RedEyeRect sel{100, 100, 200, 160};
    // New selections are normalised and at least 1 pixel.
    EXPECT_EQ(dragRect({}, DragMode::New, {50, 60}, {20, 10}, {}, 300, 200), (RedEyeRect{20, 10, 50, 60}));
    EXPECT_EQ(dragRect({}, DragMode::New, {50, 60}, {50, 60}, {}, 300, 200), (RedEyeRect{50, 60, 51, 61}));
    EXPECT_EQ(dragRect({}, DragMode::New, {250, 150}, {900, 900}, {}, 300, 200), (RedEyeRect{250, 150, 300, 200}));
    // A moved rectangle keeps its size and is pushed back inside.
    EXPECT_EQ(dragRect(sel, DragMode::Move, {}, {}, {500, -500}, 300, 200), (RedEyeRect{200, 0, 300, 60}));
    EXPECT_EQ(dragRect(sel, DragMode::Move, {}, {}, {5, 7}, 300, 200), (RedEyeRect{105, 107, 205, 167}));
    // Edges stay inside and keep 1 pixel.
    EXPECT_EQ(dragRect(sel, DragMode::TopLeft, {}, {}, {-500, -500}, 300, 200), (RedEyeRect{0, 0, 200, 160}));
    EXPECT_EQ(dragRect(sel, DragMode::Left, {}, {}, {500, 0}, 300, 200), (RedEyeRect{199, 100, 200, 160}));
    EXPECT_EQ(dragRect(sel, DragMode::BottomRight, {}, {}, {500, 500}, 300, 200), (RedEyeRect{100, 100, 300, 200}));
    EXPECT_EQ(dragRect(sel, DragMode::Bottom, {}, {}, {0, -500}, 300, 200), (RedEyeRect{100, 100, 200, 101}));
}

TEST(RedEyeDrag, AutoScrollNearTheBorder)
{
    const QSize client(400, 300);
    EXPECT_FALSE(inAutoScrollBand({200, 150}, client));
    EXPECT_TRUE(inAutoScrollBand({200, 14}, client));
    EXPECT_TRUE(inAutoScrollBand({395, 150}, client));
    EXPECT_FALSE(inAutoScrollBand({11, 16}, client));
    EXPECT_EQ(autoScrollStep({200, 3}, client), QPoint(0, -1));
    EXPECT_EQ(autoScrollStep({200, 10}, client), QPoint(0, 0));
    EXPECT_EQ(autoScrollStep({396, 296}, client), QPoint(1, 1));
    EXPECT_EQ(autoScrollStep({2, 150}, client), QPoint(-1, 0));
}

} // namespace
} // namespace vistello

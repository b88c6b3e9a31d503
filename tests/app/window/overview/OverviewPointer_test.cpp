// The overview's pointer rules: the hover preview's growth and placement,
// the autoscroll bands of a drag, and when a clicked picture's sound starts.
#include "app/window/frame/AutoFolderView.h"
#include "app/window/overview/DragAutoScroll.h"
#include "app/window/overview/HoverPreviewSteps.h"

#include <gtest/gtest.h>

using namespace vistello;

TEST(HoverPreviewSteps, GrowsFasterEachTickUpToThePreview)
{
    // Worked by hand from the tile's 80, (tick - 15) more each tick from
    // tick 20 on: 85, 91, 98, 106, 115, 125, 136, 148, 161, 175, 190 at tick
    // 30, ... 260 at 34, 280 at 35, then 301 cut to the preview's 300.
    struct Row { int tick, limit, side; };
    const Row rows[] = {{19, 300, 80},  {20, 300, 85},  {21, 300, 91},  {22, 300, 98}, {30, 300, 190},
                        {34, 300, 260}, {35, 300, 280}, {36, 300, 300}, {60, 300, 300}, {60, 160, 160},
                        {20, 82, 82}};
    for (const Row& row : rows)
        EXPECT_EQ(HoverPreviewSteps::side(row.tick, row.limit), row.side) << row.tick << " " << row.limit;
    EXPECT_FALSE(HoverPreviewSteps::worthShowing({80, 60}));
    EXPECT_TRUE(HoverPreviewSteps::worthShowing({81, 10}));
}

TEST(HoverPreviewSteps, StaysInsideTheList)
{
    const QRect bounds(100, 50, 800, 600); // x 100..899, y 50..649
    struct Row { QPoint centre; int side; QRect placed; };
    const Row rows[] = {
        {{500, 300}, 100, {451, 251, 100, 100}},
        {{120, 60}, 100, {100, 50, 100, 100}},   // top left corner
        {{890, 640}, 300, {600, 350, 300, 300}}, // bottom right corner
        {{500, 300}, 900, {100, 50, 900, 900}},  // larger than the list: its top left shows
    };
    for (const Row& row : rows)
        EXPECT_EQ(HoverPreviewSteps::place(row.centre, row.side, bounds), row.placed) << row.side;
}

TEST(DragAutoScroll, BandsAtTopAndBottom)
{
    struct Row { int y, lines; bool band; };
    const Row rows[] = {{-1, 0, false}, {0, -1, true},  {6, -1, true},  {7, 0, true},    {14, 0, true},
                        {15, 0, false}, {200, 0, false}, {385, 0, true}, {393, 0, true}, {394, 1, true},
                        {399, 1, true}, {400, 0, false}};
    for (const Row& row : rows) {
        EXPECT_EQ(DragAutoScroll::lines(row.y, 400), row.lines) << row.y;
        EXPECT_EQ(DragAutoScroll::inBand(row.y, 400), row.band) << row.y;
    }
}

TEST(AutoFolderView, NearTheLeftSideOnlyWhenSwitchedOn)
{
    struct Row { int x; AutoFolderViewContext context; AutoPane pane; };
    const AutoFolderViewContext on{true, false, false, false};
    const AutoFolderViewContext shown{true, false, false, true};
    const Row rows[] = {
        {10, on, AutoPane::Show},    {49, on, AutoPane::Show},     {50, on, AutoPane::Keep},
        {10, shown, AutoPane::Keep}, {50, shown, AutoPane::Hide},
        {10, {false, false, false, false}, AutoPane::Keep}, // switched off
        {10, {true, true, false, false}, AutoPane::Keep},   // picture-only mode
        {10, {true, false, true, false}, AutoPane::Keep},   // empty list
        {300, {false, false, false, true}, AutoPane::Keep}, // the user's own pane stays
    };
    for (const Row& row : rows)
        EXPECT_EQ(autoFolderView(row.x, row.context), row.pane) << row.x;
}

#include "app/window/strip/PreviewStripModel.h"

#include <gtest/gtest.h>

using namespace vistello;

namespace {

PreviewStripModel strip(int width, int count)
{
    PreviewStripModel model;
    model.setWidth(width);
    model.setCount(count);
    return model;
}

using Focus = std::pair<int, int>; // index, slot

Focus focus(const PreviewStripModel& model)
{
    return {model.focusIndex(), model.focusSlot()};
}

} // namespace

TEST(PreviewStripModel, SlotsFollowWidthAndCount)
{
    struct Row { int width, count, slots, centre; };
    const Row rows[] = {
        {800, 10, 7, 3}, {800, 3, 3, 1}, {105, 10, 1, 0},
        // Narrower than one slot: none at all.
        {104, 10, 0, 0}, {0, 10, 0, 0}, {-300, 10, 0, 0}, {800, 0, 0, 0},
    };
    for (const Row& row : rows) {
        const PreviewStripModel model = strip(row.width, row.count);
        EXPECT_EQ(model.slots(), row.slots) << row.width << " " << row.count;
        EXPECT_EQ(model.centreSlot(), row.centre) << row.width << " " << row.count;
    }
}

// The strip scrolls with the focus in the centre slot; near the end the
// focus moves on to the right, then wraps.
TEST(PreviewStripModel, NextAndPreviousWalkTheStrip)
{
    PreviewStripModel model = strip(800, 10);
    const Focus forward[] = {{1, 1}, {2, 2}, {3, 3}, {4, 3}, {5, 3}, {6, 3}, {7, 4}, {8, 5}, {9, 6}, {0, 0}};
    for (const Focus& expected : forward) {
        model.next();
        EXPECT_EQ(focus(model), expected);
    }
    const Focus back[] = {{9, 6}, {8, 5}, {7, 4}, {6, 3}, {5, 3}, {4, 3}, {3, 3}, {2, 2}, {1, 1}, {0, 0}};
    for (const Focus& expected : back) {
        model.previous();
        EXPECT_EQ(focus(model), expected);
    }
    // Slot k always shows the picture k places after the focus's slot.
    model.setFocusIndex(8);
    EXPECT_EQ(model.pictureInSlot(0), 8 - model.focusSlot());

    PreviewStripModel few = strip(800, 3);
    few.setFocusIndex(2);
    EXPECT_EQ(focus(few), Focus(2, 2));
    few.next();
    EXPECT_EQ(focus(few), Focus(0, 0));
    few.previous();
    EXPECT_EQ(focus(few), Focus(2, 2));
}

TEST(PreviewStripModel, PagesAndFirst)
{
    PreviewStripModel model = strip(800, 10);
    model.pageForward();
    EXPECT_EQ(model.focusIndex(), 7);
    model.pageForward();
    EXPECT_EQ(model.focusIndex(), 9);
    model.pageBack();
    EXPECT_EQ(model.focusIndex(), 2);
    model.first();
    EXPECT_EQ(focus(model), Focus(0, 0));

    PreviewStripModel few = strip(800, 5); // every picture fits: no pages
    few.pageForward();
    EXPECT_EQ(few.focusIndex(), 0);
}

TEST(PreviewStripModel, StripNarrowerThanASlotKeepsTheFocusAtZero)
{
    PreviewStripModel model = strip(60, 10);
    model.setFocusIndex(5);
    model.next();
    EXPECT_EQ(model.focusSlot(), 0);
    EXPECT_EQ(model.hitTest({10, 10}, true).kind, PreviewHit::Nothing);
}

TEST(PreviewStripModel, HitTests)
{
    PreviewStripModel model = strip(800, 10);
    for (int i = 0; i < 4; ++i)
        model.next(); // focus 4 in slot 3: slot 0 shows picture 1
    struct Row { QPoint at; bool userSelect; PreviewHit::Kind kind; int slot, index; };
    const Row rows[] = {
        {{1, 30}, false, PreviewHit::Previous, -1, -1},
        {{3 + 7 * 107 + 2, 30}, false, PreviewHit::Next, -1, -1},
        {{3 + 2 * 107 + 50, 30}, false, PreviewHit::Picture, 2, 3},
        {{3 + 107 + 99 + 4, 30}, false, PreviewHit::Picture, 1, 2}, // the gap belongs to the slot before it
        {{3 + 107, 3 + 66 - 11}, true, PreviewHit::CheckBox, 1, 2},
        {{3 + 107 + 10, 3 + 66 + 1}, true, PreviewHit::CheckBox, 1, 2},
        {{3 + 107 + 11, 3 + 66 + 1}, true, PreviewHit::Picture, 1, 2},
        {{3 + 107, 3 + 66 - 11}, false, PreviewHit::Picture, 1, 2},
    };
    for (const Row& row : rows) {
        const PreviewHit hit = model.hitTest(row.at, row.userSelect);
        EXPECT_EQ(hit.kind, row.kind) << row.at.x() << "," << row.at.y();
        EXPECT_EQ(hit.slot, row.slot) << row.at.x() << "," << row.at.y();
        EXPECT_EQ(hit.index, row.index) << row.at.x() << "," << row.at.y();
    }
    model.focusSlotAt(6);
    EXPECT_EQ(focus(model), Focus(7, 6));
}

// Fewer pictures than whole slots: every move keeps the focus on a shown
// slot, and slot k shows picture k.
TEST(PreviewStripModel, FewerPicturesThanSlotsKeepTheFocusInView)
{
    PreviewStripModel model = strip(800, 3);
    model.next();
    model.next();
    EXPECT_EQ(focus(model), Focus(2, 2));
    model.next();
    EXPECT_EQ(focus(model), Focus(0, 0));
    model.previous();
    EXPECT_EQ(focus(model), Focus(2, 2));
    model.previous();
    EXPECT_EQ(focus(model), Focus(1, 1));
    for (int slot = 0; slot < model.slots(); ++slot)
        EXPECT_EQ(model.pictureInSlot(slot), slot);
}

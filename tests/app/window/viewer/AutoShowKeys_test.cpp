#include "app/window/viewer/AutoShow.h"
#include "app/window/viewer/ViewerKeys.h"

#include <gtest/gtest.h>

using namespace vistello;

TEST(ViewerAutoShow, DelaysAreClamped)
{
    const std::pair<int64_t, int> rows[] = {{0, 1000}, {-5, 1000}, {10, 10000}, {86400, 86400000},
                                            {int64_t(1) << 40, 86400000}};
    for (const auto& [stored, ms] : rows)
        EXPECT_EQ(autoShowIntervalMs(stored), ms) << stored;
    EXPECT_EQ(transitionDelayUnitMs(1), 1);
    EXPECT_EQ(transitionDelayUnitMs(10), 100);
    EXPECT_EQ(transitionDelayUnitMs(0), 1);
    EXPECT_EQ(transitionDelayUnitMs(99), 100);
}

TEST(ViewerAutoShow, StartAndTick)
{
    EXPECT_FALSE(autoShowCanStart(0));
    EXPECT_FALSE(autoShowCanStart(1));
    EXPECT_TRUE(autoShowCanStart(2));
    // A list that shrank below two stops the show, an empty one too.
    EXPECT_EQ(autoShowTick(0, {}), AutoShowTick::Stop);
    EXPECT_EQ(autoShowTick(1, {}), AutoShowTick::Stop);
    EXPECT_EQ(autoShowTick(3, {}), AutoShowTick::Next);
    EXPECT_EQ(autoShowTick(3, {false, false, true}), AutoShowTick::Wait);
    EXPECT_EQ(autoShowTick(3, {false, true, false}), AutoShowTick::Wait);
}

TEST(ViewerAutoShow, TransitionNeedsAllSixConditions)
{
    const TransitionConditions all{true, true, false, true, true, true};
    EXPECT_TRUE(transitionPlays(all));
    for (int i = 0; i < 6; ++i) {
        TransitionConditions c = all;
        bool* fields[] = {&c.pictureOk, &c.transitionsOn, &c.relayoutPending, &c.pictureOnly, &c.newPicture,
                          &c.allowed};
        *fields[i] = !*fields[i];
        EXPECT_FALSE(transitionPlays(c)) << i;
    }
}

TEST(ViewerKeys, KeyTable)
{
    using K = ViewerKey;
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        ViewerKeyContext context;
        K expected;
    } rows[] = {
        {Qt::Key_Left, {}, {true}, K::ShowPrevious},      {Qt::Key_PageUp, {}, {true}, K::ShowPrevious},
        {Qt::Key_Backspace, {}, {true}, K::ShowPrevious}, {Qt::Key_Right, {}, {true}, K::ShowNext},
        {Qt::Key_Space, {}, {true}, K::ShowNext},         {Qt::Key_Delete, {}, {true}, K::Ignore},
        {Qt::Key_Shift, {}, {true}, K::Ignore},           {Qt::Key_Right, {}, {true, false, true}, K::Ignore},
        {Qt::Key_Home, {}, {}, K::ShowFirst},             {Qt::Key_Down, {}, {}, K::FocusNext},
        {Qt::Key_Up, {}, {}, K::FocusPrevious},           {Qt::Key_PageDown, {}, {}, K::PageForward},
        {Qt::Key_Backspace, {}, {}, K::ShowPrevious},     {Qt::Key_X, {}, {}, K::ShowNext},
        {Qt::Key_Left, {}, {false, true}, K::MoveRight},  {Qt::Key_Up, {}, {false, true}, K::MoveDown},
        {Qt::Key_Plus, Qt::KeypadModifier, {false, true}, K::ZoomIn},
        {Qt::Key_Plus, {}, {false, true}, K::Ignore},     {Qt::Key_Space, {}, {false, true}, K::Ignore},
    };
    for (const auto& row : rows)
        EXPECT_EQ(viewerKey(QKeyCombination(row.modifiers, row.key), row.context), row.expected) << row.key;
}

TEST(ViewerAutoShow, SessionLeavesFullScreenOnlyWhenItEnteredIt)
{
    AutoShowSession session;
    EXPECT_FALSE(session.start(1, false));
    EXPECT_FALSE(session.running());
    ASSERT_TRUE(session.start(3, false));
    EXPECT_FALSE(session.start(3, false)); // already running
    EXPECT_TRUE(session.stop());
    EXPECT_FALSE(session.stop());
    ASSERT_TRUE(session.start(3, true));
    EXPECT_FALSE(session.stop());
}

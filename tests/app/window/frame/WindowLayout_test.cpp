#include "app/window/frame/BarLayout.h"
#include "app/window/frame/CommandIds.h"
#include "app/window/frame/MainWindowState.h"
#include "app/window/frame/Splitters.h"
#include "app/window/frame/WindowLayout.h"

#include <gtest/gtest.h>

using namespace vistello;

TEST(WindowLayout, AreasFollowTheFrameSwitches)
{
    struct Case {
        bool pictureOnly, fullScreen, paneVisible;
        int tabRow;
        QRect central;
    };
    const Case cases[] = {
        {false, false, true, 0, {200, 23, 824, 745}},
        {false, false, true, 40, {200, 63, 824, 705}},
        {false, false, false, 0, {0, 23, 1024, 745}},
        {false, true, true, 0, {250, 23, 774, 745}},
        {true, false, true, 0, {0, 0, 1024, 768}},
        {true, true, true, 0, {0, 0, 1024, 768}}, // full screen and picture only: the whole screen
    };
    for (const Case& c : cases) {
        MainWindowState state;
        state.pictureOnly = c.pictureOnly;
        state.appFullScreen = c.fullScreen;
        state.selectionViewVisible = c.paneVisible;
        state.paneWidthFullScreen = 250;
        const WindowAreas areas = layoutWindow({1024, 768}, state.topBarHeight(), state.leftPaneWidth(), c.tabRow);
        EXPECT_EQ(areas.central, c.central) << c.pictureOnly << c.fullScreen << c.paneVisible << c.tabRow;
        EXPECT_EQ(areas.topBar.height(), c.pictureOnly ? 0 : 23);
    }
    // A window smaller than its parts gives empty areas, never negative ones.
    const WindowAreas tiny = layoutWindow({150, 10}, 23, 200, 40);
    EXPECT_TRUE(tiny.central.isEmpty());
    EXPECT_GE(tiny.central.width(), 0);
    EXPECT_GE(tiny.leftPane.height(), 0);
}

TEST(WindowLayout, PaneParts)
{
    struct Case {
        int height, split;
        int folder, tree, tasks;
    };
    const Case cases[] = {
        {600, 5000, 300, 263, 280},
        {100, 5000, 97, 60, 0},  // both minimums do not fit: the task pane shrinks to 0
        {20, 5000, 97, 60, 0},
        {600, 9900, 590, 553, 0}, // the task part keeps 10
        {600, 0, 97, 60, 483},
        {-5, 5000, 97, 60, 0},
    };
    for (const Case& c : cases) {
        const PaneParts parts = layoutPane({200, c.height}, c.split, 13);
        EXPECT_EQ(parts.folderHeight, c.folder) << c.height << " " << c.split;
        EXPECT_EQ(parts.folderTree.height(), c.tree) << c.height;
        EXPECT_EQ(parts.taskPane.height(), c.tasks) << c.height;
        EXPECT_EQ(parts.folderTree.topLeft(), QPoint(10, 27));
        EXPECT_EQ(parts.taskPane.top(), c.folder + 10);
        EXPECT_EQ(parts.taskPane.width(), 180);
    }
}

TEST(WindowLayout, WidthSplitter)
{
    PaneGeometry pane{23, 200, 745, 1024, 13, 5000};
    EXPECT_TRUE(startsWidthDrag(pane, {197, 300}));
    EXPECT_TRUE(startsWidthDrag(pane, {195, 34}));
    EXPECT_FALSE(startsWidthDrag(pane, {194, 300}));
    EXPECT_FALSE(startsWidthDrag(pane, {200, 300}));
    EXPECT_FALSE(startsWidthDrag(pane, {197, 33}));  // within 10 of the top
    EXPECT_FALSE(startsWidthDrag(pane, {197, 758})); // within 10 of the bottom
    EXPECT_EQ(paneWidthAfterDrag(widthDragLine(pane, 50)), 183);
    EXPECT_EQ(paneWidthAfterDrag(widthDragLine(pane, 1000)), 847);
    EXPECT_EQ(widthDragLine(pane, 400), 400);
    pane.clientWidth = 359;
    EXPECT_FALSE(startsWidthDrag(pane, {197, 300}));
}

TEST(WindowLayout, HeightSplitter)
{
    const PaneGeometry pane{23, 200, 600, 1024, 13, 5000};
    // The split lies at 23 + 300.
    EXPECT_TRUE(startsSplitDrag(pane, {100, 319}));
    EXPECT_TRUE(startsSplitDrag(pane, {100, 325}));
    EXPECT_FALSE(startsSplitDrag(pane, {100, 318}));
    EXPECT_FALSE(startsSplitDrag(pane, {100, 326}));
    EXPECT_FALSE(startsSplitDrag(pane, {10, 323}));
    EXPECT_FALSE(startsSplitDrag(pane, {190, 323}));
    EXPECT_EQ(splitDragLine(pane, 0), 50);
    EXPECT_EQ(splitDragLine(pane, 1000), 613);
    EXPECT_EQ(splitAfterDrag(pane, 321), 5000);
    EXPECT_EQ(splitAfterDrag(pane, 161), 2333);
}

TEST(WindowLayout, DefaultNormalFrame)
{
    EXPECT_EQ(defaultNormalFrame({1280, 1024}), QRect(QPoint(213, 85), QPoint(1064, 764)));
}

TEST(WindowLayout, TopBarButtons)
{
    auto xs = [](const TopBarLayout& bar) {
        std::vector<std::pair<int, int>> out;
        for (const BarButton& b : bar.buttons)
            out.emplace_back(b.command, b.rect.x());
        return out;
    };
    // Label 50 wide: the address box at 65, 200 wide, the first button 20 after it.
    const TopBarLayout normal = layoutTopBar(1000, 50, 200, false);
    EXPECT_EQ(normal.address, QRect(65, 2, 200, 19));
    const std::vector<std::pair<int, int>> expected = {
        {command::PreviousPicture, 285}, {command::NextPicture, 309}, {command::Update, 336},
        {command::PictureOnly, 368},     {command::ChangeView, 397},  {command::AutoShow, 424},
        {command::FullScreenFrame, 451}};
    EXPECT_EQ(xs(normal), expected);
    EXPECT_EQ(normal.separators, (std::vector<int>{331, 363, 419, 446}));
    EXPECT_EQ(normal.statusX, 479);

    const TopBarLayout full = layoutTopBar(1000, 50, 200, true);
    const auto fullXs = xs(full);
    ASSERT_EQ(fullXs.size(), 9u);
    EXPECT_EQ(fullXs[6], std::make_pair(command::MinimizeWindow, 930));
    EXPECT_EQ(fullXs[7], std::make_pair(command::NormalFrame, 954));
    EXPECT_EQ(fullXs[8], std::make_pair(command::Exit, 978));
}

TEST(WindowLayout, TabsWrapIntoLines)
{
    const int widths[] = {40, 60, 30};
    TabRowLayout row = layoutTabs(widths, 200, 20);
    EXPECT_EQ(row.height, 20);
    EXPECT_EQ(row.tabs[2], QRect(136, 0, 46, 20));
    row = layoutTabs(widths, 150, 20); // the third tab does not fit
    EXPECT_EQ(row.height, 40);
    EXPECT_EQ(row.tabs[2], QRect(4, 20, 46, 20));
    row = layoutTabs(widths, 10, 20); // each tab alone on its line
    EXPECT_EQ(row.height, 60);
    EXPECT_EQ(row.tabs[0].topLeft(), QPoint(4, 0));
}

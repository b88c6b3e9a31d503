#include "app/window/viewer/ViewerMouse.h"

#include <gtest/gtest.h>

using namespace vistello;

TEST(ViewerMouse, DragsStartBeyondHalfTheDragDistance)
{
    const int threshold = viewerDragThreshold(10);
    EXPECT_EQ(threshold, 5);
    const struct {
        ViewerDrag before;
        QPoint at;
        bool shift;
        ViewerDrag after;
    } rows[] = {
        {ViewerDrag::Pending, {105, 95}, false, ViewerDrag::Pending},   // 5 pixels: not farther
        {ViewerDrag::Pending, {106, 100}, false, ViewerDrag::File},     // x alone is enough
        {ViewerDrag::Pending, {100, 94}, true, ViewerDrag::Measuring},  // y alone, with Shift
        {ViewerDrag::None, {200, 200}, false, ViewerDrag::None},        // no press on the picture
        {ViewerDrag::Measuring, {200, 200}, false, ViewerDrag::Measuring},
    };
    for (const auto& row : rows)
        EXPECT_EQ(dragAfterMove(row.before, {100, 100}, row.at, threshold, row.shift), row.after)
            << row.at.x() << "," << row.at.y();
}

TEST(ViewerMouse, PressPriority)
{
    EXPECT_EQ(viewerPress({true, true, true, false, true}), ViewerPress::Button);
    EXPECT_EQ(viewerPress({false, true, true, false, true}), ViewerPress::ZoomDrag);
    EXPECT_EQ(viewerPress({false, false, true, false, true}), ViewerPress::PanoramaDrag);
    EXPECT_EQ(viewerPress({false, false, false, false, true}), ViewerPress::InfoBox);
    // An empty list: the box takes no clicks.
    EXPECT_EQ(viewerPress({false, false, false, true, true}), ViewerPress::PictureDrag);
    EXPECT_EQ(viewerPress({false, false, false, false, false}), ViewerPress::PictureDrag);
}

// Outside picture-only mode the wheel moves the strip's focus, forward to the next picture.
TEST(ViewerMouse, WheelByMode)
{
    EXPECT_EQ(viewerWheel(1, false, false), ViewerWheel::FocusNext);
    EXPECT_EQ(viewerWheel(-1, false, false), ViewerWheel::FocusPrevious);
    EXPECT_EQ(viewerWheel(1, false, true), ViewerWheel::ShowPrevious);
    EXPECT_EQ(viewerWheel(-1, false, true), ViewerWheel::ShowNext);
    EXPECT_EQ(viewerWheel(1, true, false), ViewerWheel::ZoomIn);
    EXPECT_EQ(viewerWheel(-1, true, true), ViewerWheel::ZoomOut);
    EXPECT_EQ(viewerWheel(0, false, false), ViewerWheel::Nothing);
}

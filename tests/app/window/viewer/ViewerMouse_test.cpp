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

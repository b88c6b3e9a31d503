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

TEST(ViewerMouse, ContextMenuOutsideZoomAndCropOnly)
{
    EXPECT_TRUE(viewerMenu({true, false, false, true, true}).empty());
    EXPECT_TRUE(viewerMenu({false, true, false, true, true}).empty());
    EXPECT_TRUE(viewerMenu({false, false, true, true, true}).empty()) << "one settings dialog at a time";
    const std::vector<ViewerMenuEntry> shown = viewerMenu({false, false, false, true, false});
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].command, 348);
    EXPECT_EQ(shown[0].text, QStringLiteral("Format settings..."));
    EXPECT_FALSE(shown[0].enabled) << "the format has no settings dialog";
    EXPECT_TRUE(viewerMenu({false, false, false, true, true})[0].enabled);
    EXPECT_FALSE(viewerMenu({false, false, false, false, true})[0].enabled);
}

#include "app/window/viewer/ButtonStrip.h"
#include "app/window/viewer/ViewerButtons.h"
#include "resources/StringTable.h"

#include <gtest/gtest.h>
#include <set>

using namespace vistello;

// Two white cells with one black mark pixel at (5, 5).
TEST(ViewerButtonStrip, HotAndDisabledVariants)
{
    QImage strip(36, 18, QImage::Format_RGB32);
    strip.fill(Qt::white);
    strip.setPixel(5, 5, qRgb(0, 0, 0));
    const QImage hot = hotVariant(strip);
    EXPECT_EQ(hot.pixel(4, 4), qRgb(0, 0, 0));        // the mark, one pixel up and left
    EXPECT_EQ(hot.pixel(5, 5), qRgb(161, 161, 161));  // its shadow
    EXPECT_EQ(hot.pixel(10, 10), qRgb(204, 204, 255)); // the key
    for (int x : {0, 17, 18, 35})
        EXPECT_EQ(hot.pixel(x, 9), qRgb(49, 106, 197)) << x; // each cell framed
    EXPECT_EQ(hot.pixel(9, 0), qRgb(49, 106, 197));
    const QImage disabled = disabledVariant(strip);
    EXPECT_EQ(disabled.pixel(5, 5), qRgb(161, 161, 161));
    EXPECT_EQ(disabled.pixel(10, 10), qRgb(255, 255, 255));
}

TEST(ViewerButtonStrip, EveryButtonHasItsOwnCell)
{
    std::vector<ViewerButton> all = controlRow({800, 600});
    for (const ViewerButton& button : zoomRow(800, 600, 1))
        all.push_back(button);
    all.push_back(*topRightButton({true, true, false}, 800));
    all.push_back(*topRightButton({true, false, true}, 800));
    std::set<int> cells;
    for (const ViewerButton& button : all) {
        EXPECT_GE(stripIndex(button.command), 0) << button.command;
        EXPECT_FALSE(stripMark(button.command).isEmpty()) << button.command;
        EXPECT_FALSE(strings::text(button.command).isEmpty()) << "tool tip of " << button.command;
        cells.insert(stripIndex(button.command));
    }
    EXPECT_EQ(cells.size(), all.size());
    EXPECT_EQ(stripIndex(viewer::RotateRight), 22);
    EXPECT_EQ(stripIndex(viewer::ZoomIn), 30);
    EXPECT_EQ(stripIndex(viewer::Delete), 14);
}

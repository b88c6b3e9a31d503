#include "app/window/viewer/RowBackdrop.h"
#include "app/window/viewer/ViewerButtons.h"

#include <gtest/gtest.h>

using namespace vistello;

namespace {

// The row sits on its strip: every button inside the light area, every
// separator in a gap between buttons.
void expectRowOnStrip(const RowBackdrop& backdrop, const std::vector<ViewerButton>& row)
{
    for (const ViewerButton& button : row)
        EXPECT_TRUE(backdrop.lit.contains(QRect(button.topLeft, QSize(kButtonSize, kButtonSize)))) << button.command;
    for (const QLine& line : backdrop.separators) {
        EXPECT_TRUE(backdrop.lit.contains(line.p1()) && backdrop.lit.contains(line.p2()));
        for (const ViewerButton& button : row)
            EXPECT_FALSE(QRect(button.topLeft, QSize(kButtonSize, kButtonSize)).contains(line.p1()))
                << line.x1() << " in " << button.command;
    }
}

std::vector<int> separatorXs(const RowBackdrop& backdrop)
{
    std::vector<int> xs;
    for (const QLine& line : backdrop.separators)
        xs.push_back(line.x1());
    return xs;
}

} // namespace

// 800 x 600: rows 556-557 and 576-577 light from x 505 (295 from the right).
TEST(ViewerRowBackdrop, ControlAndZoomRowsOnTheirStrips)
{
    const RowBackdrop control = controlRowBackdrop(800, 600);
    EXPECT_EQ(control.lit, QRect(505, 556, 295, 22));
    EXPECT_EQ(separatorXs(control), (std::vector<int>{775, 748, 673}));
    EXPECT_EQ(control.separators[0], QLine(775, 557, 775, 575));
    expectRowOnStrip(control, controlRow({800, 600}));

    const RowBackdrop zoom = zoomRowBackdrop(800, 600);
    EXPECT_EQ(zoom.lit, QRect(590, 556, 210, 22));
    EXPECT_EQ(separatorXs(zoom), (std::vector<int>{751, 652, 625}));
    expectRowOnStrip(zoom, zoomRow(800, 600, 3));
    EXPECT_TRUE(zoom.lit.contains(zoomLabelAt(800, 600)));
}

// The short form and the viewer's own Crop/Cancel buttons under the rectangle.
#include "app/window/viewer/CropLabel.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

TEST(CropLabel, underTheRectangleWithTheButtonsFiveApart)
{
    const CropLabelLayout l = cropLabelLayout(QRect(100, 50, 200, 100), QSize(800, 600), QSize(90, 13), QSize(40, 14));
    EXPECT_EQ(l.text, QRect(100, 152, 90, 13));
    EXPECT_EQ(l.crop, QRect(100, 167, 44, 18));
    EXPECT_EQ(l.cancel, QRect(149, 167, 44, 18));
}

TEST(CropLabel, movedUpAndLeftToStayInside)
{
    const CropLabelLayout l = cropLabelLayout(QRect(700, 500, 100, 100), QSize(800, 600), QSize(90, 13), QSize(40, 14));
    EXPECT_EQ(l.cancel.right(), 792);
    EXPECT_EQ(l.crop.bottom(), 599);
    EXPECT_EQ(l.text.bottom() + 2, l.crop.top() - 1);
}

TEST(CropLabel, nothingForSmallRectangles)
{
    EXPECT_TRUE(cropLabelLayout(QRect(0, 0, 10, 50), QSize(800, 600), QSize(90, 13), QSize(40, 14)).crop.isNull());
    EXPECT_TRUE(cropLabelLayout(QRect(0, 0, 50, 10), QSize(800, 600), QSize(90, 13), QSize(40, 14)).text.isNull());
}

} // namespace
} // namespace vistello

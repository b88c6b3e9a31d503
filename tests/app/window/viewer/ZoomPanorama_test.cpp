#include "app/window/viewer/Panorama.h"
#include "app/window/viewer/ZoomView.h"

#include <gtest/gtest.h>

using namespace vistello;

TEST(ViewerZoom, LevelsRunFrom100To200Percent)
{
    ZoomView zoom;
    EXPECT_EQ(zoom.percent(), 100);
    EXPECT_FALSE(zoom.canZoomOut());
    for (int i = 0; i < 6; ++i)
        zoom.zoomIn({800, 600}, {400, 300});
    EXPECT_EQ(zoom.level, 5);
    EXPECT_EQ(zoom.percent(), 200);
    EXPECT_EQ(zoom.scaleNum(), 16);
    EXPECT_FALSE(zoom.canZoomIn());
}

// Offsets by hand from the zoom rules: e.g. level 2, k 10, 2000x1500 larger
// than 800x600: x = -100 + 2*(-100)/10 - 800/10 = -200.
TEST(ViewerZoom, ZoomingKeepsTheViewCentre)
{
    const struct {
        QPoint before;
        QSize zoomed;
        bool in;
        int levelBefore;
        QPoint after;
    } rows[] = {
        {{-100, -100}, {2000, 1500}, true, 1, {-200, -180}},
        {{100, 60}, {600, 480}, true, 1, {40, 12}},           // 12*600/8 = 900 >= 800: 100 + 20 - 80
        {{100, 60}, {400, 300}, true, 1, {60, 30}},           // 12*400/8 < 800: 100 - 40
        {{-200, -180}, {2500, 1875}, false, 2, {-101, -100}}, // -200 + 800/12 - (-400/12)
        {{40, 12}, {750, 600}, false, 2, {100, 60}},          // 40 + 66 - 6
    };
    for (const auto& row : rows) {
        ZoomView zoom{row.levelBefore, row.before};
        if (row.in)
            zoom.zoomIn(row.zoomed, {800, 600});
        else
            zoom.zoomOut(row.zoomed, {800, 600});
        EXPECT_EQ(zoom.offset, row.after) << row.before.x() << "," << row.before.y();
    }
}

TEST(ViewerZoom, ClampKeepsSmallPicturesInsideAndLargeOnesCovering)
{
    ZoomView zoom{1, {-900, 700}};
    zoom.clamp({1000, 300}, {800, 600});
    EXPECT_EQ(zoom.offset, QPoint(-200, 300));
    zoom.offset = {50, -5};
    zoom.clamp({1000, 300}, {800, 600});
    EXPECT_EQ(zoom.offset, QPoint(0, 0));
}

TEST(ViewerZoom, NavigatorDivisorAndInset)
{
    EXPECT_EQ(navigatorFor({1600, 1200}).divisor, 12);
    EXPECT_EQ(navigatorFor({1600, 1200}).size, QSize(133, 100));
    EXPECT_EQ(navigatorFor({1024, 768}).divisor, 10);
    EXPECT_EQ(navigatorFor({1024, 768}).size, QSize(102, 76));
    EXPECT_EQ(navigatorFor({6000, 400}).size, QSize(150, 10));
    const Navigator nav = navigatorFor({1600, 1200});
    // At 100 % the zoomed bitmap is the picture; the view shows 800x600 of it from (400, 300).
    EXPECT_EQ(navigatorMark(nav, {1600, 1200}, {1600, 1200}, {-400, -300}, {800, 600}), QRect(33, 24, 66, 50));
    EXPECT_EQ(navigatorDrag(nav, ZoomView{}, {2, -1}), QPoint(-24, 12));
}

TEST(ViewerPanorama, ShapeAndSteps)
{
    EXPECT_TRUE(isPanorama({4000, 1000}));
    EXPECT_TRUE(isPanorama({1000, 2000}));
    EXPECT_FALSE(isPanorama({3999, 2000}));
    EXPECT_FALSE(isPanorama({0, 100}));
    EXPECT_EQ(panoramaStep(2), 2);
    EXPECT_EQ(panoramaStep(5), 5);
    EXPECT_EQ(panoramaStep(6), 12);
    EXPECT_EQ(panoramaStep(10), 20);
    EXPECT_EQ(panoramaPosition(1590, 20, 2400, 800), 1600); // stops at the end
    EXPECT_EQ(panoramaPosition(0, -15, 2400, 800), 0);
    EXPECT_EQ(panoramaRange(2400, 800), 1600);
    EXPECT_EQ(panoramaRange(700, 800), 0);
    EXPECT_EQ(panoramaBarRect({800, 600}, true, 12), QRect(0, 588, 800, 12));
    EXPECT_EQ(panoramaBarRect({800, 600}, false, 12), QRect(788, 0, 12, 600));
}

TEST(ViewerPanorama, PlacedAlongTheLongSide)
{
    // 2800x700 in a 1000x700 view scrolled by 300: left of the view, full height.
    EXPECT_EQ(panoramaDrawnRect({1000, 700}, {2800, 700}, 300), QRect(-300, 0, 2800, 700));
    // 700x2800 tall in 1000x700: centred across, scrolled up.
    EXPECT_EQ(panoramaDrawnRect({1000, 700}, {250, 1000}, 100), QRect(375, -100, 250, 1000));
    const PanoramaBar wide = panoramaBar({1000, 700}, {2800, 700}, 12);
    EXPECT_TRUE(wide.horizontal);
    EXPECT_EQ(wide.range, 1800);
    EXPECT_EQ(wide.pageStep, 1000);
    EXPECT_TRUE(wide.enabled);
    EXPECT_EQ(wide.rect, QRect(0, 688, 1000, 12));
    const PanoramaBar tall = panoramaBar({1000, 700}, {300, 600}, 12);
    EXPECT_FALSE(tall.horizontal);
    EXPECT_FALSE(tall.enabled);
    EXPECT_EQ(tall.range, 0);
    EXPECT_EQ(tall.rect, QRect(988, 0, 12, 700));
}

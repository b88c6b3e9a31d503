#include "app/window/viewer/ZoomTiles.h"

#include <gtest/gtest.h>

using namespace vistello;

TEST(ZoomTiles, CoverTheViewAndAMargin)
{
    // 40000 x 25000 at 100 %, a 1920 x 1080 view at the top left.
    const QSize zoomed(40000, 25000);
    const std::vector<ZoomTile> shown = ZoomTiles::covering(8, zoomed, QRect(0, 0, 1920, 1080), 0);
    EXPECT_EQ(shown.size(), 4u * 3u);
    const std::vector<ZoomTile> ready = ZoomTiles::covering(8, zoomed, QRect(0, 0, 1920, 1080), 1);
    EXPECT_EQ(ready.size(), 5u * 4u); // no tiles left of or above the picture
    EXPECT_EQ(ZoomTiles::bounds(ready, zoomed), QRect(0, 0, 5 * 512, 4 * 512));
}

TEST(ZoomTiles, EdgeTilesAreCut)
{
    const QSize zoomed(1000, 700);
    EXPECT_EQ(ZoomTiles::rectOf({8, 1, 1}, zoomed), QRect(512, 512, 488, 188));
    EXPECT_EQ(ZoomTiles::covering(8, zoomed, QRect(900, 600, 500, 500), 3).size(), 4u);
}

TEST(ZoomTiles, NothingOutsideThePicture)
{
    EXPECT_TRUE(ZoomTiles::covering(8, QSize(100, 100), QRect(200, 200, 50, 50), 1).empty());
    EXPECT_TRUE(ZoomTiles::bounds({}, QSize(100, 100)).isEmpty());
}

TEST(ZoomTiles, VisiblePartInTheTilesPixels)
{
    // Offset and view in logical pixels, tiles at twice as many.
    EXPECT_EQ(visibleZoomed(QPoint(-100, -50), QSize(800, 600), QSize(4000, 3000), 2.0), QRect(200, 100, 1600, 1200));
    EXPECT_EQ(visibleZoomed(QPoint(10, 20), QSize(800, 600), QSize(300, 200), 1.0), QRect(0, 0, 300, 200));
}

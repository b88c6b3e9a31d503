#include "app/window/viewer/PanoramaTiles.h"

#include <gtest/gtest.h>

using namespace vistello;

TEST(PanoramaTiles, WholeUpToTheBound)
{
    // 200000 x 4000 shown 1000 high is 50000 x 1000: far beyond 8 views of 1600 x 1000.
    EXPECT_TRUE(PanoramaTiles::tiled(QSize(50000, 1000), QSize(1600, 1000)));
    EXPECT_FALSE(PanoramaTiles::tiled(QSize(12800, 1000), QSize(1600, 1000))); // exactly 8 views
    EXPECT_TRUE(PanoramaTiles::tiled(QSize(12801, 1000), QSize(1600, 1000)));
    EXPECT_FALSE(PanoramaTiles::tiled(QSize(), QSize(1600, 1000)));
    EXPECT_FALSE(PanoramaTiles::tiled(QSize(50000, 1000), QSize()));
}

TEST(PanoramaTiles, DecodeScaleJustAboveTheFit)
{
    struct Row {
        QSize upright, rendering;
        int scale;
    };
    const Row rows[] = {
        {{200000, 4000}, {50000, 1000}, 2}, // 4000 * 2/8 = 1000 exactly
        {{200000, 4000}, {49800, 996}, 2},
        {{200000, 4000}, {50050, 1001}, 3}, // 2/8 falls one pixel short
        {{24000, 600}, {8000, 200}, 3},     // 600 * 3/8 = 225
        {{601, 24000}, {100, 3994}, 2},     // tall: across is the width, rounded up
        {{24000, 600}, {48000, 1200}, 8},   // enlarged: the full size is scaled up
    };
    for (const Row& row : rows)
        EXPECT_EQ(PanoramaTiles::decodeScale(row.upright, row.rendering), row.scale)
            << row.rendering.width() << "x" << row.rendering.height();
}

TEST(PanoramaTiles, TilesForAScrollPosition)
{
    struct Row {
        int position, length, margin;
        std::vector<int> tiles;
    };
    const QSize rendering(8000, 200); // 16 tiles, the last 320 long
    const Row rows[] = {
        {0, 600, 0, {0, 1}},
        {0, 600, 1, {0, 1, 2}},
        {511, 2, 0, {0, 1}},
        {512, 512, 0, {1}},
        {7400, 600, 1, {13, 14, 15}},
        {7900, 600, 0, {15}}, // past the end: cut
        {9000, 600, 1, {}},
        {100, 0, 1, {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(PanoramaTiles::covering(rendering, row.position, row.length, row.margin), row.tiles)
            << row.position;
}

TEST(PanoramaTiles, TallPanoramasRunDown)
{
    const QSize rendering(300, 2000);
    EXPECT_EQ(PanoramaTiles::rectOf(0, rendering), QRect(0, 0, 300, 512));
    EXPECT_EQ(PanoramaTiles::rectOf(3, rendering), QRect(0, 1536, 300, 464));
    EXPECT_EQ(PanoramaTiles::covering(rendering, 1000, 400, 0), (std::vector<int>{1, 2}));
}

TEST(PanoramaTiles, SourceCoversThePartInWholePixels)
{
    // Rendering 8000 x 200 from a decode of 9000 x 225 (9/8 of it).
    const QSize rendering(8000, 200), decoded(9000, 225);
    EXPECT_EQ(PanoramaTiles::sourceOf(QRect(0, 0, 512, 200), rendering, decoded), QRect(0, 0, 576, 225));
    EXPECT_EQ(PanoramaTiles::sourceOf(QRect(100, 0, 10, 200), rendering, decoded), QRect(112, 0, 12, 225));
    EXPECT_EQ(PanoramaTiles::sourceOf(QRect(7680, 0, 320, 200), rendering, decoded), QRect(8640, 0, 360, 225));
    EXPECT_TRUE(PanoramaTiles::sourceOf(QRect(), rendering, decoded).isEmpty());
}

TEST(PanoramaTiles, FittedAsTheWholeDecodeFitsIt)
{
    struct Row {
        QSize upright, box, rendering;
    };
    const Row rows[] = {
        {{200000, 4000}, {1600, 1000}, {50000, 1000}}, // 2/8 fills the box exactly
        {{24000, 600}, {400, 200}, {8000, 200}},       // 3/8 (9000 x 225), then brought down
        {{600, 24000}, {200, 400}, {200, 8000}},       // tall
        {{1000, 300}, {1600, 1000}, {1000, 300}},      // smaller than the view: as it is
        {{24000, 601}, {400, 200}, {7964, 200}},       // 3/8 rounds up to 9000 x 226
    };
    for (const Row& row : rows)
        EXPECT_EQ(PanoramaTiles::fittedRendering(row.upright, row.box), row.rendering)
            << row.upright.width() << "x" << row.upright.height();
}

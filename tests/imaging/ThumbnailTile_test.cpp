// Tile composition: the thumbnail centred on the tile colour, the media mark
// in the bottom-right corner.
#include "imaging/thumbnails/ThumbnailTile.h"
#include "resources/MediaMarks.h"

#include <QSet>

#include <gtest/gtest.h>

namespace vistello {
namespace {

const QRgb kBackground = qRgb(200, 210, 220);

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(colour);
    return image;
}

// The bounding box of the pixels that differ from the background.
QRect pictureRect(const QImage& tile)
{
    QRect box;
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            if (tile.pixel(x, y) != kBackground)
                box |= QRect(x, y, 1, 1);
    return box;
}

struct CentringCase {
    QSize picture;
    QRect expected;
};

class ThumbnailTileCentring : public ::testing::TestWithParam<CentringCase> {};

TEST_P(ThumbnailTileCentring, PlacesThePictureByTheTileRule)
{
    const CentringCase& c = GetParam();
    const QImage tile = composeThumbnailTile(filled(c.picture.width(), c.picture.height(), qRgb(255, 0, 0)),
                                             0, true, kBackground);
    ASSERT_EQ(tile.size(), QSize(80, 80));
    EXPECT_EQ(tile.format(), QImage::Format_RGB888);
    EXPECT_EQ(pictureRect(tile), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ThumbnailTileCentring,
    ::testing::Values(CentringCase{{80, 60}, {0, 10, 80, 60}},  // landscape thumbnail
                      CentringCase{{45, 80}, {17, 0, 45, 80}},  // portrait, odd margin
                      CentringCase{{79, 79}, {0, 0, 79, 79}},   // (80 - 79) / 2 is 0
                      CentringCase{{1, 1}, {39, 39, 1, 1}},
                      CentringCase{{120, 90}, {0, 0, 80, 80}})); // too large: cut

TEST(ThumbnailTile, MarkSitsInTheBottomRightCornerOnlyWhenShown)
{
    const QImage picture = filled(80, 80, qRgb(0, 0, 0));
    for (int mark : {1, 2}) {
        const QImage markImage = mediaMarkImage(mark);
        ASSERT_EQ(markImage.size(), QSize(13, 15));
        const QImage tile = composeThumbnailTile(picture, mark, true, kBackground);
        EXPECT_EQ(tile.copy(67, 65, 13, 15), markImage) << mark;
        EXPECT_EQ(tile.pixel(66, 79), qRgb(0, 0, 0)) << mark;
        const QImage unmarked = composeThumbnailTile(picture, mark, false, kBackground);
        EXPECT_EQ(unmarked.copy(67, 65, 13, 15), filled(13, 15, qRgb(0, 0, 0))) << mark;
    }
    // The two marks differ, and no mark means nothing drawn.
    EXPECT_NE(mediaMarkImage(1), mediaMarkImage(2));
    EXPECT_EQ(composeThumbnailTile(picture, 0, true, kBackground), picture);
}

// A tile of a screen with 2 device pixels per pixel carries the mark at
// twice its size, each of its pixels a 2 x 2 block.
TEST(ThumbnailTile, MarkGrowsWithTheDeviceScale)
{
    const QImage picture = filled(160, 160, qRgb(0, 0, 0));
    const QImage markImage = mediaMarkImage(1);
    const QImage tile = composeThumbnailTile(picture, 1, true, kBackground, {160, 160}, 2);
    const QImage corner = tile.copy(160 - 26, 160 - 30, 26, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 26; ++x)
            ASSERT_EQ(corner.pixel(x, y), markImage.pixel(x / 2, y / 2)) << x << "," << y;
    EXPECT_EQ(tile.pixel(160 - 27, 159), qRgb(0, 0, 0));
}

TEST(ThumbnailTile, MarkColoursAreTheLoudspeakerColours)
{
    auto colours = [](const QImage& image) {
        QSet<QRgb> set;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                set.insert(image.pixel(x, y));
        return set;
    };
    EXPECT_EQ(colours(mediaMarkImage(1)), (QSet<QRgb>{qRgb(255, 255, 255), qRgb(102, 153, 255)}));
    EXPECT_EQ(colours(mediaMarkImage(2)), (QSet<QRgb>{qRgb(255, 255, 255), qRgb(66, 145, 119)}));
    EXPECT_TRUE(mediaMarkImage(0).isNull());
    EXPECT_TRUE(mediaMarkImage(7).isNull());
}

} // namespace
} // namespace vistello

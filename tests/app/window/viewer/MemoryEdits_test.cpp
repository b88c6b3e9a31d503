#include "app/window/viewer/MemoryEdits.h"

#include <gtest/gtest.h>

using namespace vistello;

namespace {

// A 3x2 picture whose red channel numbers the pixels 1..6 row by row.
QImage numbered()
{
    QImage image(3, 2, QImage::Format_RGB888);
    for (int i = 0; i < 6; ++i)
        image.setPixel(i % 3, i / 3, qRgb(i + 1, 100, 200));
    return image;
}

QString reds(const QImage& image)
{
    QString out;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            out += QString::number(qRed(image.pixel(x, y)));
        out += QLatin1Char('/');
    }
    return out;
}

} // namespace

// 123      rotated right: 41  left: 36  transposed: 14  transversed: 63
// 456                     52        25              25               52
//                         63        14              36               41
TEST(ViewerMemoryEdits, TransformsMoveEveryPixel)
{
    const std::pair<TransformOp, const char*> rows[] = {
        {TransformOp::Rotate90, "41/52/63/"}, {TransformOp::Rotate270, "36/25/14/"},
        {TransformOp::FlipH, "321/654/"},     {TransformOp::FlipV, "456/123/"},
        {TransformOp::Transpose, "14/25/36/"}, {TransformOp::Transverse, "63/52/41/"},
    };
    for (const auto& [op, expected] : rows)
        EXPECT_EQ(reds(transformedRendering(numbered(), op)), QString::fromLatin1(expected)) << int(op);
}

TEST(ViewerMemoryEdits, GreyInvertAndMosaic)
{
    QImage one(1, 1, QImage::Format_RGB888);
    one.setPixel(0, 0, qRgb(200, 100, 50));
    EXPECT_EQ(greyRendering(one).pixel(0, 0), qRgb(124, 124, 124)); // (61200 + 60100 + 5850) >> 10
    EXPECT_EQ(invertedRendering(one).pixel(0, 0), qRgb(55, 155, 205));

    QImage grid(2, 2, QImage::Format_RGB888);
    grid.fill(qRgb(10, 20, 30));
    const QImage mosaic = mosaicRendering(grid);
    // The bottom row counts as row 0: green, red; the top row: blue, green.
    EXPECT_EQ(mosaic.pixel(0, 1), qRgb(0, 20, 0));
    EXPECT_EQ(mosaic.pixel(1, 1), qRgb(10, 0, 0));
    EXPECT_EQ(mosaic.pixel(0, 0), qRgb(0, 0, 30));
    EXPECT_EQ(mosaic.pixel(1, 0), qRgb(0, 20, 0));
}

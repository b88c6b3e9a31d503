// Geometry and orientation arithmetic: the cases the engine's output sizes
// and the auto-rotation depend on.
#include "jpegedit/transform/ExifOrientation.h"
#include "jpegedit/transform/TransformGeometry.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

SourceLayout yuv420(int width, int height)
{
    SourceLayout s;
    s.width = width;
    s.height = height;
    s.components = 3;
    s.yCbCr = true;
    s.maxH = 2;
    s.maxV = 2;
    s.h = {2, 1, 1};
    s.v = {2, 1, 1};
    return s;
}

struct SizeCase {
    int width, height;
    TransformOp op;
    int cropX, cropY, cropW, cropH;
    int outWidth, outHeight; // 0, 0: the transform fails
};

constexpr SizeCase kSizes[] = {
    {1024, 765, TransformOp::Rotate90, 0, 0, 0, 0, 752, 1024},
    {1024, 765, TransformOp::Rotate180, 0, 0, 0, 0, 1024, 752},
    {1024, 768, TransformOp::Rotate180, 0, 0, 0, 0, 1024, 768},
    {1023, 765, TransformOp::Transpose, 0, 0, 0, 0, 765, 1023}, // never trims
    {1023, 768, TransformOp::FlipH, 0, 0, 0, 0, 1008, 768},
    {1023, 765, TransformOp::FlipV, 0, 0, 0, 0, 1023, 752},
    {1023, 765, TransformOp::Rotate270, 0, 0, 0, 0, 765, 1008},
    {1023, 765, TransformOp::Transverse, 0, 0, 0, 0, 752, 1008},
    {1023, 765, TransformOp::None, 0, 0, 0, 0, 1023, 765},
    {640, 480, TransformOp::None, 20, 20, 100, 100, 104, 104}, // grows to the iMCU grid
    {640, 480, TransformOp::None, 0, 0, 641, 10, 0, 0},        // wider than the picture
    {640, 480, TransformOp::None, 640, 0, 0, 0, 0, 0},         // offset at the edge
    {1023, 768, TransformOp::FlipH, 1000, 0, 0, 0, 16, 768},    // the partial iMCU dropped
    {1023, 768, TransformOp::FlipH, 1010, 0, 0, 0, 0, 0},      // only the partial iMCU kept
    {1023, 768, TransformOp::FlipH, 992, 0, 20, 10, 16, 10},   // reaches the partial iMCU
    {12, 40, TransformOp::FlipH, 0, 0, 0, 0, 0, 0},            // smaller than one iMCU
    {12, 40, TransformOp::FlipV, 0, 0, 0, 0, 12, 32},
};

TEST(TransformGeometry, outputSizes)
{
    for (const SizeCase& c : kSizes) {
        TransformRequest r;
        r.op = c.op;
        r.setCrop(c.cropX, c.cropY, c.cropW, c.cropH);
        const GeometryResult g = computeGeometry(yuv420(c.width, c.height), r);
        if (c.outWidth == 0) {
            EXPECT_FALSE(g.geometry) << c.width << "x" << c.height << " op " << int(c.op);
            continue;
        }
        ASSERT_TRUE(g.geometry) << c.width << "x" << c.height << " op " << int(c.op);
        EXPECT_EQ(g.geometry->outputWidth, c.outWidth) << c.width << "x" << c.height << " op " << int(c.op);
        EXPECT_EQ(g.geometry->outputHeight, c.outHeight) << c.width << "x" << c.height << " op " << int(c.op);
    }
}

TEST(TransformGeometry, greyOutputUsesEightPixelImcus)
{
    TransformRequest r;
    r.op = TransformOp::FlipH;
    r.forceGray = true;
    const GeometryResult g = computeGeometry(yuv420(1023, 768), r);
    ASSERT_TRUE(g.geometry);
    EXPECT_EQ(g.geometry->components, 1);
    EXPECT_EQ(g.geometry->outputWidth, 1016);
}

TEST(ExifOrientationModel, eachOrientationIsUndoneByItsOperation)
{
    const TransformOp table[] = {TransformOp::None,      TransformOp::FlipH,    TransformOp::Rotate180,
                                 TransformOp::FlipV,     TransformOp::Transpose, TransformOp::Rotate90,
                                 TransformOp::Transverse, TransformOp::Rotate270};
    for (int code = 1; code <= 8; ++code) {
        const auto o = ExifOrientation(code);
        EXPECT_EQ(uprightOp(o), table[code - 1]);
        // After the upright operation the picture is upright.
        EXPECT_EQ(orientationAfter(o, uprightOp(o)), ExifOrientation::TopLeft) << code;
    }
    EXPECT_FALSE(orientationFromCode(0));
    EXPECT_FALSE(orientationFromCode(9));
}

TEST(ExifOrientationModel, compositionsAreComputed)
{
    EXPECT_EQ(composeOps(TransformOp::Rotate90, TransformOp::Rotate90), TransformOp::Rotate180);
    EXPECT_EQ(composeOps(TransformOp::Rotate90, TransformOp::Rotate270), TransformOp::None);
    EXPECT_EQ(composeOps(TransformOp::FlipH, TransformOp::FlipV), TransformOp::Rotate180);
    EXPECT_EQ(composeOps(TransformOp::Transpose, TransformOp::Rotate180), TransformOp::Transverse);
    EXPECT_EQ(composeOps(TransformOp::Rotate90, TransformOp::FlipH), TransformOp::Transpose);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(composeOps(TransformOp(i), inverseOp(TransformOp(i))), TransformOp::None);
    // Turning an upright picture right means it now needs a turn to the left.
    EXPECT_EQ(orientationAfter(ExifOrientation::TopLeft, TransformOp::Rotate90), ExifOrientation::LeftBottom);
}

} // namespace
} // namespace vistello

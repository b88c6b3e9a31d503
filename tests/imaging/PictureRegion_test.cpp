// Region decoding for zoom and huge pictures: a part of the picture at an
// N/8 scale against djpeg's whole picture cut to the same part, upright by
// every EXIF turn against the whole-picture path, and its memory bound.
#include "app/SampleTools.h"
#include "imaging/DecodeFixtures.h"
#include "imaging/decode/JpegDecoder.h"
#include "imaging/decode/PictureLoader.h"
#include "imaging/decode/PictureRegion.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vistello;
using namespace vistello::test;
using namespace vistello::test::decode;
using sampletools::runTool;

namespace {

QImage djpegWhole(const QString& path, int num)
{
    const auto run = runTool(QStringLiteral("djpeg"),
                             {QStringLiteral("-scale"), QStringLiteral("%1/8").arg(num), QStringLiteral("-pnm"), path});
    return run.exitCode == 0 ? readPnm(run.out) : QImage();
}

struct RegionCase {
    const char* name;
    samples::ChromaSampling sampling;
    bool progressive;
    int scaleNum;
    QRect region;
};

class RegionMatchesDjpeg : public testing::TestWithParam<RegionCase> {};

TEST_P(RegionMatchesDjpeg, SamePixelsAsTheWholePictureCut)
{
    SKIP_WITHOUT_TOOL("djpeg");
    const RegionCase& c = GetParam();
    samples::JpegWriteOptions options;
    options.sampling = c.sampling;
    options.progressive = c.progressive;
    TempDir dir;
    const QString path = dir.write(QStringLiteral("p.jpg"), encode(scene(517, 389), options));
    const QImage whole = djpegWhole(path, c.scaleNum);
    ASSERT_FALSE(whole.isNull());
    JpegDecodeRequest request;
    request.scale.scaleNum = c.scaleNum;
    request.scale.scaleDenom = 8;
    request.region = c.region;
    const JpegDecodeResult result = decodeJpegFile(path, request);
    const QRect expected = c.region & whole.rect();
    ASSERT_EQ(QSize(result.pixels.width, result.pixels.height), expected.size());
    const PixelDiff d = compare(toImage(result.pixels), whole.copy(expected));
    ASSERT_TRUE(d.sameSize);
    EXPECT_EQ(d.maxDiff, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Parts, RegionMatchesDjpeg,
    testing::Values(RegionCase{"MiddleAt100", samples::ChromaSampling::Yuv420, false, 8, QRect(101, 77, 203, 150)},
                    RegionCase{"OddEdgesAt125", samples::ChromaSampling::Yuv420, false, 10, QRect(33, 19, 301, 207)},
                    RegionCase{"BottomRightAt200", samples::ChromaSampling::Yuv422, false, 16, QRect(700, 500, 400, 400)},
                    RegionCase{"FullWidthBandAt150", samples::ChromaSampling::Yuv444, false, 12, QRect(0, 200, 776, 90)},
                    RegionCase{"ProgressiveAt175", samples::ChromaSampling::Yuv420, true, 14, QRect(250, 300, 120, 80)},
                    RegionCase{"GreyAt100", samples::ChromaSampling::Grey, false, 8, QRect(9, 9, 64, 300)}),
    [](const testing::TestParamInfo<RegionCase>& p) { return std::string(p.param.name); });

class RegionUpright : public testing::TestWithParam<int> {};

// The EXIF turn applied to a region equals the region of the turned picture.
TEST_P(RegionUpright, EqualsThePartOfTheWholeUprightPicture)
{
    ensureBuiltIns();
    const int orientation = GetParam();
    TempDir dir;
    const QByteArray jpeg = encode(scene(300, 200), {});
    const QString path = dir.write(QStringLiteral("o.jpg"),
                                   withMarkers(jpeg, {{0xE1, orientationExif(orientation)}}));
    PictureRequest request;
    request.path = path;
    request.scaleNum = 10;
    request.scaleDenom = 8;
    request.reduceNum = request.reduceDenom = 1;
    request.useColourProfiles = false;
    const std::optional<CachedPicture> whole = loadPicture(request);
    ASSERT_TRUE(whole);
    const std::optional<RegionSource> source = regionSourceOf(path, true);
    ASSERT_TRUE(source);
    EXPECT_EQ(source->uprightAt(10), whole->image.size());
    const QRect part(40, 30, 150, 110);
    const std::optional<QImage> region = loadRegion({path, 10, part, false, nullptr}, *source);
    ASSERT_TRUE(region);
    const PixelDiff d = compare(*region, whole->image.copy(part));
    ASSERT_TRUE(d.sameSize) << region->width() << "x" << region->height();
    EXPECT_EQ(d.maxDiff, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryTurn, RegionUpright, testing::Range(1, 9));

TEST(PictureRegion, StoredRectTurnsWithTheOrientation)
{
    const QSize stored(40, 30); // upright 30 x 40 for 5..8
    EXPECT_EQ(storedRect(QRect(0, 0, 10, 5), stored, 1), QRect(0, 0, 10, 5));
    EXPECT_EQ(storedRect(QRect(0, 0, 10, 5), stored, 3), QRect(30, 25, 10, 5));
    EXPECT_EQ(storedRect(QRect(0, 0, 10, 5), stored, 6), QRect(0, 20, 5, 10));
    EXPECT_EQ(storedRect(QRect(0, 0, 10, 5), stored, 8), QRect(35, 0, 5, 10));
}

// The fault: zooming decoded the whole picture at the level's scale, so a
// picture whose full bitmap exceeds the bound could not be zoomed at all.
TEST(PictureRegion, APartDecodesWhereTheWholePictureExceedsTheBound)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("big.jpg"), encode(scene(1200, 900), {}));
    JpegDecodeRequest request;
    request.scale.scaleNum = 16;
    request.scale.scaleDenom = 8;
    request.limits.maxOutputBytes = 1 << 20; // far below 2400 x 1800 x 3
    EXPECT_TRUE(decodeJpegFile(path, request).pixels.empty());
    request.region = QRect(1800, 1400, 512, 512);
    const JpegDecodeResult part = decodeJpegFile(path, request);
    EXPECT_EQ(part.pixels.width, 512);
    EXPECT_EQ(part.pixels.height, 400); // cut at the bottom edge
}

TEST(PictureRegion, NoRegionOutsideThePicture)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("p.jpg"), encode(scene(64, 48), {}));
    JpegDecodeRequest request;
    request.region = QRect(100, 100, 10, 10);
    EXPECT_TRUE(decodeJpegFile(path, request).pixels.empty());
    EXPECT_FALSE(regionSourceOf(dir.write(QStringLiteral("n.jpg"), "not a picture"), true));
}

} // namespace

// Every EXIF orientation turns the picture upright exactly as jpegtran's
// lossless operation on the untagged picture does, at full and half scale.
#include "app/SampleTools.h"
#include "imaging/DecodeFixtures.h"
#include "app/samples/SampleOrientation.h"
#include "imaging/decode/PictureLoader.h"
#include "imaging/decode/PixelOrientation.h"
#include "support/TempDir.h"

#include <QFile>
#include <cstring>
#include <gtest/gtest.h>

using namespace vistello;
using namespace vistello::test;
using namespace vistello::test::decode;
using sampletools::runTool;

namespace {

struct OrientationCase {
    int orientation;
    QStringList jpegtran; // the operation that shows the stored picture upright
};

class OrientationMatchesJpegtran : public testing::TestWithParam<OrientationCase> {};

TEST_P(OrientationMatchesJpegtran, AtFullAndHalfScale)
{
    SKIP_WITHOUT_TOOL("jpegtran");
    SKIP_WITHOUT_TOOL("djpeg");
    ensureBuiltIns();
    const OrientationCase& c = GetParam();
    TempDir dir;
    // 320 × 240 is whole 16 × 16 MCUs, so jpegtran drops no edge blocks.
    samples::JpegWriteOptions options;
    options.sampling = samples::ChromaSampling::Yuv444; // upsampling would round differently on turned chroma
    const QByteArray untagged = encode(scene(320, 240), options);
    const QString plain = dir.write(QStringLiteral("plain.jpg"), untagged);
    const QString tagged = dir.write(QStringLiteral("tagged.jpg"),
                                     withMarkers(untagged, {{0xE1, orientationExif(c.orientation)}}));
    const QString turned = dir.file(QStringLiteral("turned.jpg"));
    if (c.jpegtran.isEmpty()) {
        QFile::copy(plain, turned);
    } else {
        const auto run = runTool(QStringLiteral("jpegtran"),
                                 c.jpegtran + QStringList{QStringLiteral("-outfile"), turned, plain});
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    }
    for (int num : {8, 4}) {
        PictureRequest request;
        request.path = tagged;
        request.scaleNum = num;
        request.scaleDenom = 8;
        const std::optional<CachedPicture> picture = loadPicture(request);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->orientation, c.orientation);
        const auto run = runTool(QStringLiteral("djpeg"),
                                 {QStringLiteral("-scale"), QStringLiteral("%1/8").arg(num), QStringLiteral("-pnm"), turned});
        const QImage expected = readPnm(run.out);
        const PixelDiff d = compare(picture->image, expected);
        ASSERT_TRUE(d.sameSize) << "scale " << num << "/8";
        // The inverse DCT rounds differently on turned blocks, so decoding the
        // turned file differs by a level or two in places; a wrong turn
        // differs everywhere. The pixel turn itself is checked exactly below.
        EXPECT_LE(d.maxDiff, 4) << "scale " << num << "/8";
        EXPECT_LT(d.meanDiff, 0.1) << "scale " << num << "/8";
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllEight, OrientationMatchesJpegtran,
    testing::Values(OrientationCase{1, {}},
                    OrientationCase{2, {QStringLiteral("-flip"), QStringLiteral("horizontal")}},
                    OrientationCase{3, {QStringLiteral("-rotate"), QStringLiteral("180")}},
                    OrientationCase{4, {QStringLiteral("-flip"), QStringLiteral("vertical")}},
                    OrientationCase{5, {QStringLiteral("-transpose")}},
                    OrientationCase{6, {QStringLiteral("-rotate"), QStringLiteral("90")}},
                    OrientationCase{7, {QStringLiteral("-transverse")}},
                    OrientationCase{8, {QStringLiteral("-rotate"), QStringLiteral("270")}}),
    [](const testing::TestParamInfo<OrientationCase>& p) {
        return "Orientation" + std::to_string(p.param.orientation);
    });

TEST(Orientation, PixelTurnsMatchTheOrientationModelExactly)
{
    const QImage stored = scene(37, 23); // odd sizes catch off-by-one walks
    PixelBuffer buffer;
    buffer.width = stored.width();
    buffer.height = stored.height();
    for (int o = 1; o <= 8; ++o) {
        buffer.data.reset(new uint8_t[buffer.byteCount()]);
        for (int y = 0; y < stored.height(); ++y)
            std::memcpy(buffer.data.get() + size_t(y) * buffer.rowBytes(), stored.constScanLine(y), buffer.rowBytes());
        const PixelBuffer upright = orientPixels(std::move(buffer), o);
        const QImage expected = samples::toDisplay(stored, samples::Orientation(o));
        const PixelDiff d = compare(toImage(upright), expected);
        ASSERT_TRUE(d.sameSize) << o;
        EXPECT_EQ(d.maxDiff, 0) << o;
        buffer = PixelBuffer{};
        buffer.width = stored.width();
        buffer.height = stored.height();
    }
}

TEST(Orientation, AutomaticRotationOffKeepsTheStoredPicture)
{
    ensureBuiltIns();
    TempDir dir;
    PictureRequest request;
    request.path = dir.write(QStringLiteral("six.jpg"), withMarkers(encode(scene(320, 240)), {{0xE1, orientationExif(6)}}));
    request.autoRotate = false;
    const std::optional<CachedPicture> stored = loadPicture(request);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->image.size(), QSize(320, 240));
    EXPECT_EQ(stored->orientation, 1);
    request.autoRotate = true;
    const std::optional<CachedPicture> upright = loadPicture(request);
    ASSERT_TRUE(upright);
    EXPECT_EQ(upright->image.size(), QSize(240, 320));
}

} // namespace

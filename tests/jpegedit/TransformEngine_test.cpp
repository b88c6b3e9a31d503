// The lossless engine against jpegtran as the oracle: every operation over
// every layout, aligned and unaligned, decodes to the same pixels.
#include "jpegedit/TransformFixtures.h"
#include "jpegedit/transform/TransformInMemory.h"
#include "jpegedit/transform/TransformJpegFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <tuple>

namespace vistello {
namespace {

using test::TempDir;
using namespace test::transform;

struct OpCase {
    TransformOp op;
    const char* jpegtranArgs; // space-separated
    const char* name;
};

constexpr OpCase kOps[] = {
    {TransformOp::None, "", "none"},
    {TransformOp::FlipH, "-flip horizontal", "flipH"},
    {TransformOp::FlipV, "-flip vertical", "flipV"},
    {TransformOp::Transpose, "-transpose", "transpose"},
    {TransformOp::Transverse, "-transverse", "transverse"},
    {TransformOp::Rotate90, "-rotate 90", "rotate90"},
    {TransformOp::Rotate180, "-rotate 180", "rotate180"},
    {TransformOp::Rotate270, "-rotate 270", "rotate270"},
};

QStringList argsOf(const char* text) { return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts); }

// Writes the layout and returns the path, skipping when tools are missing.
#define REQUIRE_ORACLE()                      \
    do {                                      \
        SKIP_WITHOUT_TOOL("jpegtran");        \
        SKIP_WITHOUT_TOOL("djpeg");           \
    } while (false)

class EveryOpEveryLayout : public ::testing::TestWithParam<std::tuple<Layout, bool, int>> {};

TEST_P(EveryOpEveryLayout, decodesLikeJpegtranTrim)
{
    REQUIRE_ORACLE();
    const auto [layout, aligned, opIndex] = GetParam();
    const OpCase& op = kOps[opIndex];
    TempDir dir;
    const QSize size = aligned ? QSize(64, 48) : QSize(75, 53);
    const QString source = dir.write(QStringLiteral("in.jpg"), encodeLayout(layout, size.width(), size.height()));
    const QString target = dir.file(QStringLiteral("out.jpg"));

    TransformRequest request;
    request.op = op.op;
    const TransformOutcome outcome = transformJpegFile(source, target, request);
    ASSERT_TRUE(outcome.ok()) << outcome.libraryMessage.toStdString();

    const QByteArray expected = runJpegtran(QStringList{"-copy", "none", "-trim"} + argsOf(op.jpegtranArgs), source);
    ASSERT_FALSE(expected.isEmpty());
    const QString expectedPath = dir.write(QStringLiteral("expected.jpg"), expected);
    EXPECT_EQ(jpegSize(test::readAll(target)), jpegSize(expected));
    const QByteArray pixels = decodeWithDjpeg(target);
    ASSERT_FALSE(pixels.isEmpty());
    EXPECT_TRUE(pixels == decodeWithDjpeg(expectedPath));
}

INSTANTIATE_TEST_SUITE_P(TransformEngine, EveryOpEveryLayout,
                         ::testing::Combine(::testing::ValuesIn(kAllLayouts), ::testing::Bool(), ::testing::Range(0, 8)),
                         [](const auto& param) {
                             return std::string(layoutName(std::get<0>(param.param))) +
                                    (std::get<1>(param.param) ? "_aligned_" : "_unaligned_") +
                                    kOps[std::get<2>(param.param)].name;
                         });

class GreyAndCrop : public ::testing::TestWithParam<Layout> {};

TEST_P(GreyAndCrop, greyscaleLikeJpegtran)
{
    REQUIRE_ORACLE();
    TempDir dir;
    const QString source = dir.write(QStringLiteral("in.jpg"), encodeLayout(GetParam(), 75, 53));
    const QString target = dir.file(QStringLiteral("out.jpg"));
    TransformRequest request;
    request.forceGray = true;
    const bool ours = transformJpegFile(source, target, request).ok();
    const QByteArray expected = runJpegtran({"-copy", "none", "-grayscale"}, source);
    // jpegtran refuses CMYK; so must we.
    ASSERT_EQ(ours, !expected.isEmpty());
    if (!ours)
        return;
    EXPECT_TRUE(decodeWithDjpeg(target) == decodeWithDjpeg(dir.write(QStringLiteral("e.jpg"), expected)));
}

TEST_P(GreyAndCrop, cropLikeJpegtran)
{
    REQUIRE_ORACLE();
    TempDir dir;
    const QString source = dir.write(QStringLiteral("in.jpg"), encodeLayout(GetParam(), 75, 53));
    const QString target = dir.file(QStringLiteral("out.jpg"));
    TransformRequest request;
    request.setCrop(20, 19, 40, 30);
    ASSERT_TRUE(transformJpegFile(source, target, request).ok());
    const QByteArray expected = runJpegtran({"-copy", "none", "-crop", "40x30+20+19"}, source);
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(jpegSize(test::readAll(target)), jpegSize(expected));
    EXPECT_TRUE(decodeWithDjpeg(target) == decodeWithDjpeg(dir.write(QStringLiteral("e.jpg"), expected)));
}

TEST_P(GreyAndCrop, rotatedCropLikeJpegtran)
{
    REQUIRE_ORACLE();
    TempDir dir;
    const QString source = dir.write(QStringLiteral("in.jpg"), encodeLayout(GetParam(), 75, 53));
    const QString target = dir.file(QStringLiteral("out.jpg"));
    TransformRequest request;
    request.op = TransformOp::Rotate90;
    request.setCrop(9, 17, 0, 0); // to the right and bottom edges
    ASSERT_TRUE(transformJpegFile(source, target, request).ok());
    const QByteArray expected = runJpegtran({"-copy", "none", "-trim", "-rotate", "90", "-crop", "+9+17"}, source);
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(jpegSize(test::readAll(target)), jpegSize(expected));
    EXPECT_TRUE(decodeWithDjpeg(target) == decodeWithDjpeg(dir.write(QStringLiteral("e.jpg"), expected)));
}

INSTANTIATE_TEST_SUITE_P(TransformEngine, GreyAndCrop, ::testing::ValuesIn(kAllLayouts),
                         [](const auto& param) { return std::string(layoutName(param.param)); });

// A picture smaller than one iMCU cannot be mirrored in that direction:
// the transform fails and the file stays as it was.
TEST(TransformEngine, mirrorBelowOneImcuFailsAndKeepsTheFile)
{
    TempDir dir;
    const QByteArray bytes = encodeLayout(Layout::Yuv420, 12, 40);
    const QString path = dir.write(QStringLiteral("tiny.jpg"), bytes);
    for (TransformOp op : {TransformOp::FlipH, TransformOp::Rotate180, TransformOp::Rotate270, TransformOp::Transverse}) {
        TransformRequest request;
        request.op = op;
        EXPECT_EQ(transformJpegInPlace(path, request).failure, TransformFailure::TooSmall) << int(op);
        EXPECT_EQ(test::readAll(path), bytes);
    }
    // Directions that are not mirrored need no trimming.
    for (TransformOp op : {TransformOp::Transpose, TransformOp::FlipV, TransformOp::Rotate90}) {
        TransformRequest request;
        request.op = op;
        EXPECT_TRUE(transformJpegFile(path, dir.file(QStringLiteral("ok%1.jpg").arg(int(op))), request).ok()) << int(op);
    }
}

TEST(TransformEngine, roundTripsGiveBackTheCoefficients)
{
    const QByteArray original = encodeLayout(Layout::Yuv420, 64, 48);
    const auto run = [](QByteArray bytes, TransformOp op, int times) {
        for (int i = 0; i < times; ++i) {
            QByteArray out(bytes.size() * 2 + 4096, '\0');
            size_t written = 0;
            TransformRequest request;
            request.op = op;
            if (!transformJpegInMemory(MainPictureInfo{}, reinterpret_cast<const uint8_t*>(bytes.constData()),
                                       size_t(bytes.size()), reinterpret_cast<uint8_t*>(out.data()), size_t(out.size()),
                                       request, &written))
                return QByteArray();
            bytes = out.left(qsizetype(written));
        }
        return bytes;
    };
    const auto coefficients = readCoefficients(original);
    ASSERT_FALSE(coefficients.empty());
    EXPECT_EQ(readCoefficients(run(original, TransformOp::Rotate90, 4)), coefficients);
    EXPECT_EQ(readCoefficients(run(original, TransformOp::FlipH, 2)), coefficients);
    EXPECT_EQ(readCoefficients(run(original, TransformOp::Transverse, 2)), coefficients);
    EXPECT_NE(readCoefficients(run(original, TransformOp::Rotate90, 1)), coefficients);
}

TEST(TransformEngine, memoryDestinationFailsWhenFull)
{
    const QByteArray jpeg = encodeLayout(Layout::Yuv444, 64, 64);
    QByteArray out(200, '\0');
    TransformRequest request;
    request.op = TransformOp::Rotate90;
    EXPECT_FALSE(transformJpegInMemory(MainPictureInfo{}, reinterpret_cast<const uint8_t*>(jpeg.constData()),
                                       size_t(jpeg.size()), reinterpret_cast<uint8_t*>(out.data()), size_t(out.size()),
                                       request, nullptr));
}

TEST(TransformEngine, truncatedSourceIsCompletedWithEoi)
{
    TempDir dir;
    const QByteArray jpeg = encodeLayout(Layout::Yuv420, 64, 64);
    const QString path = dir.write(QStringLiteral("cut.jpg"), jpeg.left(jpeg.size() * 2 / 3));
    TransformRequest request;
    request.op = TransformOp::Rotate180;
    ASSERT_TRUE(transformJpegFile(path, dir.file(QStringLiteral("out.jpg")), request).ok());
    const QByteArray out = test::readAll(dir.file(QStringLiteral("out.jpg")));
    EXPECT_TRUE(out.endsWith("\xFF\xD9"));
    if (test::sampletools::toolAvailable(QStringLiteral("djpeg"))) // a complete stream: no warning either
        EXPECT_TRUE(test::sampletools::runTool(QStringLiteral("djpeg"), {dir.file(QStringLiteral("out.jpg"))}).err.isEmpty());
}

TEST(TransformEngine, greyscaleOfSubsampledLuminanceFails)
{
    // 1 x 1 luminance beside 2 x 2 chroma: the first component is not the largest.
    TempDir dir;
    SKIP_WITHOUT_TOOL("cjpeg");
    const QImage image = testPattern(32, 32);
    QByteArray ppm = "P6\n32 32\n255\n";
    for (int y = 0; y < 32; ++y)
        ppm.append(reinterpret_cast<const char*>(image.constScanLine(y)), 96);
    const QString ppmPath = dir.write(QStringLiteral("in.ppm"), ppm);
    const auto run = test::sampletools::runTool(QStringLiteral("cjpeg"), {"-sample", "1x1,2x2,2x2", ppmPath});
    ASSERT_EQ(run.exitCode, 0);
    const QString path = dir.write(QStringLiteral("odd.jpg"), run.out);
    TransformRequest request;
    request.forceGray = true;
    EXPECT_EQ(transformJpegFile(path, dir.file(QStringLiteral("out.jpg")), request).failure, TransformFailure::BadData);
}

TEST(TransformEngine, garbageIsRefused)
{
    TempDir dir;
    static const char garbage[] = "\xFF\xD8\xFF\xE0 not a picture";
    const QString path = dir.write(QStringLiteral("bad.jpg"), QByteArray(garbage, sizeof garbage - 1));
    TransformRequest request;
    request.op = TransformOp::Rotate90;
    EXPECT_FALSE(transformJpegFile(path, dir.file(QStringLiteral("out.jpg")), request).ok());
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("out.jpg"))));
}

} // namespace
} // namespace vistello

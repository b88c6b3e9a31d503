// The in-memory JPEG encoder, checked with the JPEG library's own tools and
// ImageMagick: sampling, scan mode, restart markers, segment placement.
#include "app/SampleTools.h"
#include "app/samples/JpegWriter.h"
#include "support/TempDir.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace vistello::samples;
using namespace vistello::test::sampletools;
using vistello::test::TempDir;

namespace {

QImage testCard(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixelColor(x, y, QColor(x * 255 / w, y * 255 / h, (x + y) % 2 ? 200 : 60));
    return image;
}

struct SamplingCase {
    const char* name;
    ChromaSampling sampling;
    const char* factors; // as ImageMagick reports them
    bool greyInput;
};

class JpegWriterSampling : public ::testing::TestWithParam<SamplingCase> {};

INSTANTIATE_TEST_SUITE_P(
    Samplings, JpegWriterSampling,
    ::testing::Values(SamplingCase{"Yuv420", ChromaSampling::Yuv420, "2x2,1x1,1x1", false},
                      SamplingCase{"Yuv422", ChromaSampling::Yuv422, "2x1,1x1,1x1", false},
                      SamplingCase{"Yuv444", ChromaSampling::Yuv444, "1x1,1x1,1x1", false},
                      SamplingCase{"GreyFromColour", ChromaSampling::Grey, "1x1", false},
                      SamplingCase{"GreyFromGrey", ChromaSampling::Grey, "1x1", true},
                      SamplingCase{"ColourFromGrey", ChromaSampling::Yuv420, "2x2,1x1,1x1", true}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace

// Sizes that are not multiples of the MCU decode cleanly at their own size.
TEST_P(JpegWriterSampling, DecodesWithTheChosenFactors)
{
    SKIP_WITHOUT_TOOL("djpeg");
    SKIP_WITHOUT_TOOL("identify");
    QImage source = testCard(33, 17);
    if (GetParam().greyInput)
        source = source.convertToFormat(QImage::Format_Grayscale8);
    JpegWriteOptions options;
    options.sampling = GetParam().sampling;
    const QByteArray jpeg = JpegWriter::encode(source, options);
    ASSERT_FALSE(jpeg.isEmpty());
    TempDir dir;
    const QString path = dir.write("card.jpg", jpeg);

    const ToolRun decoded = runTool("djpeg", {"-pnm", path});
    ASSERT_EQ(decoded.exitCode, 0);
    EXPECT_TRUE(decoded.err.isEmpty()) << decoded.err.constData(); // no "Corrupt JPEG data" warnings
    const bool grey = GetParam().sampling == ChromaSampling::Grey;
    EXPECT_TRUE(decoded.out.startsWith(grey ? "P5\n33 17\n255\n" : "P6\n33 17\n255\n"));

    const ToolRun factors = runTool("identify", {"-format", "%[jpeg:sampling-factor]", path});
    EXPECT_EQ(factors.out, QByteArray(GetParam().factors));
}

TEST(JpegWriter, PixelsSurviveTheRoundTrip)
{
    const QImage source = testCard(64, 48);
    JpegWriteOptions options;
    options.quality = 95;
    options.sampling = ChromaSampling::Yuv444;
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(JpegWriter::encode(source, options), "JPEG"));
    ASSERT_EQ(decoded.size(), source.size());
    double error = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) {
            const QColor a = source.pixelColor(x, y), b = decoded.pixelColor(x, y);
            error += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
        }
    EXPECT_LT(error / (64 * 48 * 3), 6.0);
}

// Extra segments follow SOI in the order given; without the library's JFIF
// header the file starts with them, as camera files start with APP1.
TEST(JpegWriter, ExtraSegmentsFollowSoiInOrder)
{
    JpegWriteOptions options;
    options.writeJfif = false;
    options.markers = {{0xE1, "first payload"}, {0xE2, "second"}, {0xFE, "a comment line"}};
    const QByteArray camera = JpegWriter::encode(testCard(20, 20), options);
    ASSERT_TRUE(camera.startsWith("\xFF\xD8\xFF\xE1"));
    EXPECT_TRUE(headerMarkers(camera).startsWith("\xE1\xE2\xFE\xDB"));

    options.writeJfif = true;
    const QByteArray jfif = JpegWriter::encode(testCard(20, 20), options);
    EXPECT_TRUE(headerMarkers(jfif).startsWith("\xE0\xE1\xE2\xFE\xDB"));
    EXPECT_EQ(jfif.mid(6, 5), QByteArray("JFIF\0", 5));

    if (!toolAvailable("rdjpgcom"))
        SKIP_OR_FAIL("rdjpgcom is not installed");
    TempDir dir;
    const ToolRun comment = runTool("rdjpgcom", {dir.write("c.jpg", camera)});
    EXPECT_EQ(comment.out.trimmed(), QByteArray("a comment line"));
}

TEST(JpegWriter, ProgressiveAndRestartIntervalAreWritten)
{
    JpegWriteOptions options;
    options.restartInterval = 3;
    const QByteArray baseline = JpegWriter::encode(testCard(64, 64), options);
    const QByteArray markers = headerMarkers(baseline);
    EXPECT_TRUE(markers.contains('\xC0'));
    ASSERT_TRUE(markers.contains('\xDD'));
    EXPECT_TRUE(baseline.contains(QByteArray("\xFF\xDD\x00\x04\x00\x03", 6)));
    EXPECT_TRUE(baseline.contains(QByteArray("\xFF\xD0", 2))); // the first restart marker

    options.restartInterval = 0;
    options.progressive = true;
    const QByteArray progressive = JpegWriter::encode(testCard(64, 64), options);
    EXPECT_TRUE(headerMarkers(progressive).contains('\xC2'));
    EXPECT_FALSE(headerMarkers(progressive).contains('\xDD'));
    QImage decoded;
    EXPECT_TRUE(decoded.loadFromData(progressive, "JPEG"));
    EXPECT_EQ(decoded.size(), QSize(64, 64));
}

// What cannot be encoded gives an empty result rather than a broken file.
TEST(JpegWriter, RefusesWhatCannotBeEncoded)
{
    const QImage card = testCard(8, 8);
    EXPECT_TRUE(JpegWriter::encode(QImage()).isEmpty());
    // Too wide for the JPEG library: its error comes back as an empty result.
    EXPECT_TRUE(JpegWriter::encode(QImage(70000, 1, QImage::Format_Grayscale8)).isEmpty());
    JpegWriteOptions quality;
    quality.quality = 0;
    EXPECT_TRUE(JpegWriter::encode(card, quality).isEmpty());
    JpegWriteOptions tooLong;
    tooLong.markers = {{0xE1, QByteArray(65534, 'x')}};
    EXPECT_TRUE(JpegWriter::encode(card, tooLong).isEmpty());
    tooLong.markers = {{0xE1, QByteArray(65533, 'x')}};
    EXPECT_FALSE(JpegWriter::encode(card, tooLong).isEmpty());
    JpegWriteOptions notHeader;
    notHeader.markers = {{0xDB, "x"}};
    EXPECT_TRUE(JpegWriter::encode(card, notHeader).isEmpty());
}

// The histogram view's numbers: counters and the average grey value against
// hand-computed weights, the 256 x 256 decode, the mode cycle and the curve
// geometry; "vistello-cli histogram" against ImageMagick's mean.
#include "../app/SampleTools.h"
#include "app/samples/JpegWriter.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/histogram/Histogram.h"
#include "imaging/histogram/HistogramGeometry.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vistello;

namespace {

QImage filled(QColor colour, int w = 40, int h = 30)
{
    QImage image(w, h, QImage::Format_RGB888);
    image.fill(colour);
    return image;
}

TEST(Histogram, AverageGreyByTheLuminanceWeights)
{
    struct Case {
        QColor colour;
        int average; // floor((0.299 R + 0.587 G + 0.114 B) / 2.55)
    };
    for (const Case& c : {Case{Qt::red, 29}, Case{Qt::green, 58}, Case{Qt::blue, 11}, Case{Qt::white, 100},
                          Case{Qt::black, 0}, Case{QColor(128, 128, 128), 50}, Case{QColor(10, 200, 90), 51}}) {
        const Histogram h = histogramOf(filled(c.colour));
        EXPECT_EQ(h.averageGrey, c.average) << c.colour.name().toStdString();
        EXPECT_FALSE(h.failed);
    }
}

TEST(Histogram, LuminanceWeighsTheChannelCountersOfALevel)
{
    const Histogram h = histogramOf(filled(Qt::red)); // 1200 pixels
    EXPECT_EQ(h.red[255], 1200u);
    EXPECT_EQ(h.green[0], 1200u);
    EXPECT_EQ(h.luminance[255], (306u * 1200) >> 10);
    EXPECT_EQ(h.luminance[0], ((601u + 117) * 1200) >> 10);
    EXPECT_EQ(h.largest, 1200u);
    EXPECT_EQ(h.sumRed, 1200u * 255);
}

TEST(Histogram, PictureIsDecodedIntoTheBox)
{
    PictureFileTypes& types = PictureFileTypes::instance();
    if (types.fileTypes().empty())
        registerBuiltInFormats(types, false, nullptr);
    test::TempDir dir;
    const QString red = dir.write("red.jpg", samples::JpegWriter::encode(filled(Qt::red, 1200, 500)));
    const Histogram h = readHistogram(red);
    ASSERT_FALSE(h.failed);
    EXPECT_EQ(h.pixels, 256u * 106);
    EXPECT_EQ(h.averageGrey, 29);
    EXPECT_TRUE(readHistogram(dir.write("broken.jpg", "not a picture")).failed);
}

TEST(HistogramGeometry, ModeCycleAndCurves)
{
    HistogramMode mode = HistogramMode::All;
    for (int click = 0; click < 5; ++click) {
        mode = nextHistogramMode(mode);
        EXPECT_EQ(mode == HistogramMode::All, click == 4);
    }
    EXPECT_TRUE(showsChannel(HistogramMode::All, HistogramChannel::Luminance));
    EXPECT_TRUE(showsChannel(HistogramMode::Green, HistogramChannel::Green));
    EXPECT_FALSE(showsChannel(HistogramMode::Green, HistogramChannel::Red));
    EXPECT_FALSE(showsChannel(HistogramMode::Red, HistogramChannel::Luminance));

    const Histogram h = histogramOf(filled(Qt::red));
    const QPolygon red = histogramCurve(h.red, h.largest, QSize(510, 100));
    ASSERT_EQ(red.size(), 256);
    EXPECT_EQ(red[0], QPoint(0, 100));
    EXPECT_EQ(red[255], QPoint(510, 0));
    EXPECT_EQ(red[1], QPoint(2, 100));
    const QPolygon area = luminanceArea(h, QSize(510, 100));
    ASSERT_EQ(area.size(), 258);
    EXPECT_EQ(area.front(), QPoint(0, 100));
    EXPECT_EQ(area.back(), QPoint(510, 100));
    EXPECT_EQ(area[256], QPoint(510, 100 - int(h.luminance[255]) * 100 / 1200));
    EXPECT_EQ(averageGreyText(h), QStringLiteral("Average grey value: 29%"));
}

TEST(HistogramCli, MeanAgreesWithImageMagick)
{
    SKIP_WITHOUT_CLI();
    SKIP_WITHOUT_TOOL("convert");
    test::TempDir dir;
    const QString ramp = dir.file("ramp.jpg");
    ASSERT_EQ(test::sampletools::runTool("convert", {"-size", "300x700", "gradient:gray(20)-gray(230)", ramp}).exitCode, 0);
    const test::CliRun run = test::runCli({"histogram", ramp});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    for (int i = 1; i < 5; ++i)
        EXPECT_EQ(lines[i].split(u' ').size(), 256);
    // Grey pictures: the red counters give the mean; the printed value is it truncated.
    double sum = 0, pixels = 0;
    const QStringList red = lines[1].split(u' ');
    for (int v = 0; v < 256; ++v) {
        sum += v * red[v].toDouble();
        pixels += red[v].toDouble();
    }
    const double ours = sum / pixels / 2.55;
    const double theirs = 100 * test::sampletools::runTool("convert", {ramp, "-format", "%[fx:mean]", "info:"}).out.toDouble();
    EXPECT_NEAR(ours, theirs, theirs / 100);
    EXPECT_EQ(lines[0].toInt(), int(ours));
}

} // namespace

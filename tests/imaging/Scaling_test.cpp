// The two scalers, the weight tables, the DCT scale choice and the fitting
// plan, on the figures of the scaling and decoding rules.
#include "imaging/decode/JpegScale.h"
#include "imaging/decode/PictureFitting.h"
#include "imaging/scale/AreaWeights.h"
#include "imaging/scale/BufferLimits.h"
#include "imaging/scale/ScaleAreaAverage.h"
#include "imaging/scale/ScaleNearest.h"
#include "imaging/scale/ScaledSize.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <utility>

using namespace vistello;

namespace {

PixelBuffer makeBuffer(int w, int h, uint8_t (*value)(int x, int y, int c))
{
    PixelBuffer b;
    b.width = w;
    b.height = h;
    b.data.reset(new uint8_t[b.byteCount()]);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                b.data[size_t(y) * b.rowBytes() + size_t(x) * 3 + size_t(c)] = value(x, y, c);
    return b;
}

PixelBuffer flat(int w, int h, uint8_t v)
{
    PixelBuffer b;
    b.width = w;
    b.height = h;
    b.data.reset(new uint8_t[b.byteCount()]);
    std::memset(b.data.get(), v, b.byteCount());
    return b;
}

struct WeightCase {
    int n, m;
    std::vector<std::vector<uint32_t>> weights; // per destination: weights
    std::vector<int> first;
};

class AreaWeightTable : public testing::TestWithParam<WeightCase> {};

TEST_P(AreaWeightTable, MatchesTheWorkedExamples)
{
    const WeightCase& c = GetParam();
    const AreaWeights table = makeAreaWeights(c.n, c.m);
    ASSERT_EQ(table.spans.size(), size_t(c.m));
    for (size_t i = 0; i < c.weights.size(); ++i) {
        const AreaSpan& span = table.spans[i];
        EXPECT_EQ(span.first, c.first[i]) << "destination " << i;
        std::vector<uint32_t> got;
        uint32_t sum = 0;
        for (int s = span.first; s <= span.last; ++s) {
            got.push_back(table.weight(span, s));
            sum += table.weight(span, s);
        }
        EXPECT_EQ(got, c.weights[i]) << "destination " << i;
        EXPECT_EQ(sum, uint32_t(c.n));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, AreaWeightTable,
    testing::Values(WeightCase{10, 4, {{4, 4, 2}, {2, 4, 4}, {4, 4, 2}, {2, 4, 4}}, {0, 2, 5, 7}},
                    WeightCase{4, 10, {{4}, {4}, {2, 2}, {4}, {4}}, {0, 0, 0, 1, 1}},
                    WeightCase{7, 3, {{3, 3, 1}, {2, 3, 2}, {1, 3, 3}}, {0, 2, 4}}));

TEST(ScaleAreaAverage, WhiteReadsTwoFiftyTwoAcrossThenTwoFortyNine)
{
    // Only the horizontal pass: one row.
    const std::optional<PixelBuffer> row = scaleAreaAverage(flat(1200, 1, 255), 800, 1200);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->width, 800);
    EXPECT_EQ(row->data[0], 252);
    EXPECT_EQ(row->data[row->byteCount() - 1], 252);

    const std::optional<PixelBuffer> both = scaleAreaAverage(flat(1200, 800, 255), 800, 1200);
    ASSERT_TRUE(both);
    EXPECT_EQ(both->width, 800);
    EXPECT_EQ(both->height, 533);
    for (size_t i = 0; i < both->byteCount(); i += 997)
        ASSERT_EQ(both->data[i], 249) << i;
}

TEST(ScaleAreaAverage, SevenToThreeOfTwoHundredGivesOneNinetyNine)
{
    const std::optional<PixelBuffer> out = scaleAreaAverage(flat(7, 1, 200), 3, 7);
    ASSERT_TRUE(out);
    ASSERT_EQ(out->width, 3);
    for (size_t i = 0; i < out->byteCount(); ++i)
        EXPECT_EQ(out->data[i], 199);
}

TEST(ScaleAreaAverage, EnlargingFourToTenMixesOnlyPixelsTwoAndSeven)
{
    const PixelBuffer source = makeBuffer(4, 1, [](int x, int, int) { return uint8_t(x * 60); });
    const std::optional<PixelBuffer> out = scaleAreaAverage(source, 10, 4);
    ASSERT_TRUE(out);
    ASSERT_EQ(out->width, 10);
    // ⌊65536/4⌋ = 16384 is exact, so copies stay exact and mixes are plain means.
    const uint8_t expected[10] = {0, 0, 30, 60, 60, 120, 120, 150, 180, 180};
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(out->data[size_t(x) * 3], expected[x]) << x;
}

// The averaging rules straight from unit overlaps, one destination byte at a
// time: source pixels span m units of the common axis, destination pixels n.
uint32_t overlap(int64_t destination, int64_t source, int64_t n, int64_t m)
{
    return uint32_t(std::max<int64_t>(0, std::min((destination + 1) * n, (source + 1) * m)
                                             - std::max(destination * n, source * m)));
}

uint8_t referenceAverage(const PixelBuffer& in, int outWidth, int outHeight, int x, int y, int c)
{
    const auto near = [](int i, int n, int m) {
        return std::pair(std::max(0, i * n / m - 1), std::min(n - 1, (i + 1) * n / m + 1));
    };
    const auto [firstRow, lastRow] = near(y, in.height, outHeight);
    const auto [firstColumn, lastColumn] = near(x, in.width, outWidth);
    uint32_t accumulated = 0;
    for (int r = firstRow; r <= lastRow; ++r) {
        uint32_t sum = 0;
        for (int s = firstColumn; s <= lastColumn; ++s)
            sum += overlap(x, s, in.width, outWidth) * in.data[size_t(r) * in.rowBytes() + size_t(s) * 3 + size_t(c)];
        accumulated += overlap(y, r, in.height, outHeight) * ((sum * (65536u / uint32_t(in.width))) >> 16);
    }
    return uint8_t((accumulated * (65536u / uint32_t(in.height))) >> 16);
}

struct AverageCase {
    int width, height, num, den;
};

class AreaAverageOfNoise : public testing::TestWithParam<AverageCase> {};

TEST_P(AreaAverageOfNoise, MatchesTheRulesByteForByte)
{
    const AverageCase& c = GetParam();
    const PixelBuffer source = makeBuffer(c.width, c.height, [](int x, int y, int ch) {
        return uint8_t((uint32_t(x * 7919 + y * 104729 + ch * 31) * 2654435761u) >> 24);
    });
    const std::optional<PixelBuffer> out = scaleAreaAverage(source, c.num, c.den);
    ASSERT_TRUE(out);
    for (int y = 0; y < out->height; ++y)
        for (int x = 0; x < out->width; ++x)
            for (int ch = 0; ch < 3; ++ch)
                ASSERT_EQ(out->data[size_t(y) * out->rowBytes() + size_t(x) * 3 + size_t(ch)],
                          referenceAverage(source, out->width, out->height, x, y, ch))
                    << x << "," << y << "," << ch;
}

// The viewer's last step (two or three source pixels per target pixel), a
// short span at the end of the row, a strong reduction and an enlargement.
INSTANTIATE_TEST_SUITE_P(Ratios, AreaAverageOfNoise,
                         testing::Values(AverageCase{75, 50, 1080, 1500}, AverageCase{5, 5, 3, 5},
                                         AverageCase{160, 120, 1, 37}, AverageCase{7, 4, 5, 2}));

TEST(ScaleAreaAverage, RefusesNoChangeAndZeroRatios)
{
    const PixelBuffer source = flat(10, 10, 9);
    EXPECT_FALSE(scaleAreaAverage(source, 3, 3));
    EXPECT_FALSE(scaleAreaAverage(source, 0, 3));
    EXPECT_FALSE(scaleAreaAverage(source, 3, 0));
    EXPECT_FALSE(scaleAreaAverage(QImage(10, 10, QImage::Format_RGB32), 1, 2)); // not the bitmap layout
}

TEST(ScaleAreaAverage, ARatioGivingZeroMakesOnePixel)
{
    const std::optional<PixelBuffer> out = scaleAreaAverage(flat(10, 10, 100), 1, 20);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->width, 1);
    EXPECT_EQ(out->height, 1);
}

TEST(ScaleAreaAverage, BothLayoutsGiveTheSamePixels)
{
    // Width 5 pads display rows by one byte; the padding must not leak in.
    const PixelBuffer packed = makeBuffer(23, 17, [](int x, int y, int c) { return uint8_t(x * 11 + y * 7 + c * 50); });
    QImage display(23, 17, QImage::Format_RGB888);
    for (int y = 0; y < 17; ++y)
        std::memcpy(display.scanLine(y), packed.data.get() + size_t(y) * packed.rowBytes(), packed.rowBytes());
    const std::optional<PixelBuffer> a = scaleAreaAverage(packed, 5, 11);
    const std::optional<QImage> b = scaleAreaAverage(display, 5, 11);
    // The decoder's shortcut past a 1/1 nearest-neighbour copy.
    const std::optional<QImage> direct = scaleAreaAverageToImage(packed, 5, 11);
    ASSERT_TRUE(a && b && direct);
    ASSERT_EQ(b->width(), a->width);
    ASSERT_EQ(b->height(), a->height);
    EXPECT_EQ(*direct, *b);
    for (int y = 0; y < a->height; ++y)
        EXPECT_EQ(0, std::memcmp(b->constScanLine(y), a->data.get() + size_t(y) * a->rowBytes(), a->rowBytes()));
}

TEST(ScaleAreaAverage, WideDestinationsWork)
{
    const std::optional<PixelBuffer> out = scaleAreaAverage(flat(20000, 2, 128), 1, 2);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->width, 10000);
    // ⌊65536/20000⌋ = 3 instead of 3.28: the truncated reciprocal darkens long spans.
    EXPECT_EQ(out->data[out->byteCount() - 1], 117);
}

TEST(ScaleNearest, OneToOneOnlyConvertsTheLayout)
{
    const PixelBuffer source = makeBuffer(5, 3, [](int x, int y, int c) { return uint8_t(x + 10 * y + 100 * c); });
    const std::optional<QImage> image = scaleNearest(source, 1, 1);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->bytesPerLine(), 16); // 15 bytes padded to 4
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(image->pixelColor(x, y), QColor(x + 10 * y, x + 10 * y + 100, x + 10 * y + 200));
}

TEST(ScaleNearest, SamplesTheSourcePixelAtXTimesDenOverNum)
{
    const PixelBuffer source = makeBuffer(30, 20, [](int x, int y, int c) { return uint8_t(c == 0 ? x : c == 1 ? y : 7); });
    const std::optional<QImage> image = scaleNearest(source, 2, 3);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->size(), QSize(20, 13));
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(image->pixelColor(x, y), QColor(x * 3 / 2, y * 3 / 2, 7)) << x << "," << y;
}

TEST(ScaleNearest, ARatioGivingZeroMakesOnePixelAndBadInputsNothing)
{
    const std::optional<QImage> image = scaleNearest(flat(10, 10, 1), 1, 20);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), QSize(1, 1));
    EXPECT_FALSE(scaleNearest(flat(10, 10, 1), 0, 1));
    EXPECT_FALSE(scaleNearest(PixelBuffer{}, 1, 1));
}

TEST(BufferLimits, SizesBeyondThirtyTwoBitsAreRefused)
{
    // 50000 × 30000 × 3 wraps in 32 bits to a small number.
    EXPECT_FALSE(fitsBufferCap(50000, 30000, packedRowBytes(50000)));
    EXPECT_FALSE(fitsBufferCap(65535, 65535, paddedRowBytes(65535)));
    EXPECT_TRUE(fitsBufferCap(6000, 4000, paddedRowBytes(6000)));
    EXPECT_EQ(paddedRowBytes(5), 16);
}

struct ScaleCase {
    const char* name;
    JpegScaleRequest request;
    int num, denom;
};

class JpegScaleChoice : public testing::TestWithParam<ScaleCase> {};

TEST_P(JpegScaleChoice, PicksTheSmallestCoveringScale)
{
    const JpegScale s = chooseJpegScale(GetParam().request);
    EXPECT_EQ(s.num, GetParam().num);
    EXPECT_EQ(s.denom, GetParam().denom);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JpegScaleChoice,
    testing::Values(
        ScaleCase{"WorkedExample", {3000, 2000, 800, 600}, 3, 8},
        ScaleCase{"SmallerThanBoxKeepsSize", {640, 480, 800, 600}, 1, 1},
        ScaleCase{"AllowEnlarge", {400, 300, 800, 600, 1, 1, true}, 16, 8},
        ScaleCase{"TurnedPictureSwapsTheBox", {3000, 2000, 600, 800, 1, 1, false, false, 6}, 3, 8},
        ScaleCase{"UnturnedPortraitBox", {3000, 2000, 600, 800}, 2, 8},
        ScaleCase{"PanoramaTakesTheLarger", {6000, 1000, 800, 600, 1, 1, false, true}, 5, 8},
        ScaleCase{"ThumbnailBoxAtLeastOne", {6000, 4000, 20, 20}, 1, 8},
        ScaleCase{"ExplicitScaleWithoutBox", {3000, 2000, 0, 0, 1, 4}, 1, 4},
        ScaleCase{"BoxWinsOverExplicitScale", {640, 480, 800, 600, 1, 4}, 1, 1}),
    [](const testing::TestParamInfo<ScaleCase>& p) { return std::string(p.param.name); });

TEST(PictureFitting, WorkedExampleKeepsTheFirstStepAndAveragesDownTo800)
{
    const FitPlan plan = planFitting({1125, 750, 800, 600, 3, 2, false});
    EXPECT_TRUE(plan.first.isOne());
    EXPECT_EQ(plan.second.num, 800);
    EXPECT_EQ(plan.second.den, 1125);
    EXPECT_EQ(scaledSide(750, plan.second.num, plan.second.den), 533); // the picture ends 800 x 533
}

TEST(PictureFitting, LargeBuffersAreCutToOneAndAHalfBoxesFirst)
{
    const FitPlan plan = planFitting({4000, 3000, 800, 600, 3, 2, false});
    EXPECT_EQ(plan.first.num, 900); // a tie between the sides goes to the height
    EXPECT_EQ(plan.first.den, 3000);
    EXPECT_EQ(plan.second.num, 600);
    EXPECT_EQ(plan.second.den, 900);
}

TEST(PictureFitting, ZeroBoxMeansNotReduced)
{
    // Used to divide by a zero ratio and give a 1 × 1 bitmap.
    const FitPlan plan = planFitting({4000, 3000, 0, 0, 3, 2, false});
    EXPECT_TRUE(plan.first.isOne());
    EXPECT_TRUE(plan.second.isOne());
}

TEST(PictureFitting, PanoramaFillsTheBoxInOneStep)
{
    const FitPlan plan = planFitting({6000, 1000, 800, 600, 3, 2, true});
    EXPECT_EQ(plan.first.num, 600);
    EXPECT_EQ(plan.first.den, 1000);
    EXPECT_TRUE(plan.second.isOne());
}

} // namespace

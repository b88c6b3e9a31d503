// The pixel rules, the ellipse and the edited copy, checked against the
// worked examples of red-eye removal and against a brute-force ellipse.
#include "jpegedit/redeye/RedEyePicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vistello {
namespace {

TEST(RedEyePixels, RedTestExamples)
{
    EXPECT_TRUE(isRedPixel({255, 0, 0}));
    EXPECT_FALSE(isRedPixel({200, 150, 150})); // 910
    EXPECT_TRUE(isRedPixel({200, 100, 100}));  // 2047
    EXPECT_FALSE(isRedPixel({128, 128, 128}));
    EXPECT_FALSE(isRedPixel({0, 0, 0}));
}

TEST(RedEyePixels, CorrectionExamples)
{
    const struct {
        Rgb in;
        int intensity;
        Rgb out;
    } cases[] = {
        {{255, 0, 0}, 1, {150, 44, 44}},   {{255, 0, 0}, 20, {101, 65, 65}}, {{255, 0, 0}, 30, {76, 76, 76}},
        {{255, 0, 0}, 40, {38, 38, 38}},   {{255, 0, 0}, 50, {0, 0, 0}},     {{200, 60, 50}, 1, {141, 83, 79}},
        {{200, 60, 50}, 40, {50, 50, 50}},
    };
    for (const auto& c : cases) {
        const Rgb got = correctedRedPixel(c.in, c.intensity);
        EXPECT_EQ(got, c.out) << int(c.in.red) << "," << int(c.in.green) << "," << int(c.in.blue) << " at "
                              << c.intensity << " gave " << int(got.red) << "," << int(got.green) << ","
                              << int(got.blue);
    }
}

// The rule as written, column by column from the left, in 128-bit.
std::vector<EllipseSpan> bruteForceSpans(const RedEyeRect& r)
{
    std::vector<EllipseSpan> spans;
    const __int128 a = (r.right - r.left) / 2;
    const __int128 c = (r.bottom - r.top) / 2;
    const __int128 cx = (r.left + r.right) / 2;
    const __int128 cy = (r.top + r.bottom) / 2;
    for (int y = r.top; y < r.bottom; ++y) {
        const __int128 dy = y - cy;
        for (int x = r.left; x < r.right; ++x) {
            if ((x - cx) * (x - cx) * c * c + dy * dy * a * a <= a * a * c * c) {
                if (x < r.left + r.right - x)
                    spans.push_back({y, x, r.left + r.right - x});
                break;
            }
        }
    }
    return spans;
}

void expectSameSpans(const RedEyeRect& rect)
{
    const std::vector<EllipseSpan> got = ellipseSpans(rect);
    const std::vector<EllipseSpan> want = bruteForceSpans(rect);
    ASSERT_EQ(got.size(), want.size()) << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].y, want[i].y);
        EXPECT_EQ(got[i].begin, want[i].begin) << "row " << want[i].y;
        EXPECT_EQ(got[i].end, want[i].end) << "row " << want[i].y;
    }
}

TEST(RedEyeEllipse, SmallRectanglesMatchTheRuleColumnByColumn)
{
    for (int w = 1; w <= 12; ++w)
        for (int h = 1; h <= 12; ++h)
            expectSameSpans({3, 5, 3 + w, 5 + h});
}

// a²c² of a 1000-pixel ellipse is 6.25e10: beyond 32 bits.
TEST(RedEyeEllipse, WholePictureEllipseNeedsSixtyFourBits)
{
    expectSameSpans({0, 0, 1000, 800});
    expectSameSpans({0, 0, 6001, 4001});
    const std::vector<EllipseSpan> spans = ellipseSpans({0, 0, 1000, 1000});
    std::int64_t pixels = 0;
    for (const EllipseSpan& s : spans)
        pixels += s.end - s.begin;
    EXPECT_NEAR(double(pixels), M_PI * 500 * 500, M_PI * 500 * 500 * 0.005);
    const auto middle = std::find_if(spans.begin(), spans.end(), [](const EllipseSpan& s) { return s.y == 500; });
    ASSERT_NE(middle, spans.end());
    EXPECT_EQ(middle->begin, 0);
    EXPECT_EQ(middle->end, 1000);
}

PixelBuffer filled(int width, int height, Rgb colour)
{
    PixelBuffer p;
    p.width = width;
    p.height = height;
    p.data.reset(new std::uint8_t[p.byteCount()]);
    for (std::size_t i = 0; i < p.byteCount(); i += 3) {
        p.data[i] = colour.red;
        p.data[i + 1] = colour.green;
        p.data[i + 2] = colour.blue;
    }
    return p;
}

Rgb at(const PixelBuffer& p, int x, int y)
{
    const std::uint8_t* q = p.data.get() + std::size_t(y) * p.rowBytes() + std::size_t(x) * 3;
    return {q[0], q[1], q[2]};
}

TEST(RedEyePicture, CorrectsInsideTheEllipseOnlyAndStartsAgainFromTheSource)
{
    RedEyePicture picture(filled(40, 30, {255, 0, 0}));
    const RedEyeRect rect{10, 10, 30, 20};
    const RedTest test = picture.testSelection(rect);
    EXPECT_TRUE(test.red());
    EXPECT_EQ(test.area, 200);
    EXPECT_FALSE(picture.differs());

    EXPECT_GT(picture.correctSelection(rect, 40), 0);
    EXPECT_EQ(at(picture.edited(), 20, 15), (Rgb{38, 38, 38}));
    EXPECT_EQ(at(picture.edited(), 10, 10), (Rgb{255, 0, 0})); // corner: outside the ellipse
    EXPECT_EQ(at(picture.edited(), 5, 5), (Rgb{255, 0, 0}));
    EXPECT_TRUE(picture.differs());

    // Another intensity corrects the source, not the corrected pixels.
    picture.correctSelection(rect, 1);
    EXPECT_EQ(at(picture.edited(), 20, 15), (Rgb{150, 44, 44}));
    // The test shows the area uncorrected again.
    EXPECT_TRUE(picture.testSelection(rect).red());
    EXPECT_EQ(at(picture.edited(), 20, 15), (Rgb{255, 0, 0}));
}

TEST(RedEyePicture, LittleRedIsNotEnoughAndGreyIsNeverChanged)
{
    RedEyePicture picture(filled(100, 100, {128, 128, 128}));
    EXPECT_FALSE(picture.testSelection({0, 0, 100, 100}).red());
    EXPECT_EQ(picture.correctSelection({0, 0, 100, 100}, 40), 0);
    EXPECT_FALSE(picture.differs());
}

TEST(RedEyePicture, ResetRevertsTheEllipseOrEverything)
{
    RedEyePicture picture(filled(40, 40, {255, 0, 0}));
    picture.correctSelection({0, 0, 10, 10}, 40);
    picture.correctSelection({20, 20, 30, 30}, 40);
    picture.resetSelection({20, 20, 30, 30});
    EXPECT_EQ(at(picture.edited(), 25, 25), (Rgb{255, 0, 0}));
    EXPECT_EQ(at(picture.edited(), 5, 5), (Rgb{38, 38, 38}));
    picture.resetSelection({5, 5, 6, 30}); // one pixel wide: everything
    EXPECT_FALSE(picture.differs());
}

TEST(RedEyePicture, SelectionsBeyondThePictureAreLimitedToIt)
{
    RedEyePicture picture(filled(20, 20, {255, 0, 0}));
    EXPECT_GT(picture.correctSelection({-50, -50, 5000, 5000}, 50), 0);
    EXPECT_EQ(at(picture.edited(), 10, 10), (Rgb{0, 0, 0}));
    EXPECT_EQ(picture.testSelection({30, 30, 40, 40}).area, 0);
}

} // namespace
} // namespace vistello

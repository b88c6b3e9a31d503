#include "app/window/viewer/DevicePixels.h"

#include <gtest/gtest.h>

using namespace vistello;

TEST(DevicePixels, ScaleTwoDoublesTheBox)
{
    EXPECT_EQ(toDevice(QSize(800, 600), 2.0), QSize(1600, 1200));
    EXPECT_EQ(toLogical(QSize(1600, 1200), 2.0), QSize(800, 600));
}

TEST(DevicePixels, ScaleOneChangesNothing)
{
    EXPECT_EQ(toDevice(QSize(801, 599), 1.0), QSize(801, 599));
    EXPECT_EQ(toLogical(QSize(801, 599), 1.0), QSize(801, 599));
}

TEST(DevicePixels, FractionalScaleRounds)
{
    EXPECT_EQ(toDevice(QSize(801, 600), 1.25), QSize(1001, 750));
    EXPECT_EQ(toLogical(QSize(1001, 750), 1.25), QSize(801, 600));
}

TEST(DevicePixels, NonsenseRatioCountsAsOne)
{
    EXPECT_EQ(toDevice(QSize(10, 10), 0.0), QSize(10, 10));
    EXPECT_EQ(toLogical(QSize(10, 10), -2.0), QSize(10, 10));
}

struct LogicalCase {
    const char* name;
    QSize rendering;
    QSize view;
    qreal ratio;
    bool panorama;
    QSize logical;
};

class RenderingLogical : public testing::TestWithParam<LogicalCase> {};

TEST_P(RenderingLogical, TakesTheFrameOfScaleOne)
{
    const LogicalCase& c = GetParam();
    EXPECT_EQ(renderingLogical(c.rendering, c.view, c.ratio, c.panorama), c.logical);
}

const LogicalCase kLogicalCases[] = {
    {"StripesOneToOne", {1600, 1200}, {800, 600}, 2.0, false, {800, 600}},
    {"SmallPictureKeepsItsSize", {640, 480}, {800, 600}, 2.0, false, {640, 480}},
    {"BetweenViewAndDeviceFitsTheView", {1200, 900}, {800, 600}, 2.0, false, {800, 600}},
    {"ReducedToTheDeviceBox", {2000, 1333}, {1000, 700}, 2.0, false, {1000, 666}},
    {"ScaleOneIsTheRendering", {1000, 667}, {1000, 700}, 1.0, false, {1000, 667}},
    {"PanoramaFillsTheHeight", {5600, 1400}, {1000, 700}, 2.0, true, {2800, 700}},
    {"LowPanoramaKeepsItsSize", {4000, 500}, {1000, 700}, 2.0, true, {4000, 500}},
    {"TallPanoramaFillsTheWidth", {2000, 8000}, {1000, 700}, 2.0, true, {1000, 4000}},
};

INSTANTIATE_TEST_SUITE_P(Table, RenderingLogical, testing::ValuesIn(kLogicalCases),
                         [](const testing::TestParamInfo<LogicalCase>& info) { return info.param.name; });

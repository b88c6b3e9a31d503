// The Properties pie: where the circle sits and how the circle is shared.
#include "organize/folders/DrivePie.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

TEST(DrivePie, CircleAndSlices)
{
    struct Case {
        QSize area;
        qint64 total, free;
        QRect circle;
        int usedSpan, freeStart, freeSpan;
    };
    // A quarter free: three quarters of 5760 used, clockwise from 12 o'clock (1440).
    const Case cases[] = {
        {{200, 120}, 100, 25, {42, 2, 116, 116}, -4320, 1440 - 4320, -1440},
        {{120, 200}, 3, 1, {2, 42, 116, 116}, -3840, 1440 - 3840, -1920},
        {{100, 100}, 1000, 0, {2, 2, 96, 96}, -5760, -4320, 0},
        {{100, 100}, 1000, 5000, {2, 2, 96, 96}, 0, 1440, -5760}, // more free than total: all free
        {{100, 100}, 0, 0, {2, 2, 96, 96}, 0, 0, 0},               // no size, no slices
        // Petabytes do not overflow: half used.
        {{100, 100}, qint64(1) << 50, qint64(1) << 49, {2, 2, 96, 96}, -2880, 1440 - 2880, -2880},
    };
    for (const Case& c : cases) {
        const DrivePie pie = drivePie(c.area, c.total, c.free);
        EXPECT_EQ(pie.circle, c.circle) << c.total << "/" << c.free;
        EXPECT_EQ(pie.usedSpan, c.usedSpan) << c.total << "/" << c.free;
        EXPECT_EQ(pie.freeStart, c.freeStart) << c.total << "/" << c.free;
        EXPECT_EQ(pie.freeSpan, c.freeSpan) << c.total << "/" << c.free;
    }
    EXPECT_TRUE(drivePie({4, 40}, 10, 5).circle.isEmpty());
}

} // namespace
} // namespace vistello

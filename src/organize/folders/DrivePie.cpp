#include "organize/folders/DrivePie.h"

#include <algorithm>

namespace vistello {
namespace {

constexpr int kMargin = 2;
constexpr int kFullCircle = 360 * 16;
constexpr int kTwelveOClock = 90 * 16;

} // namespace

DrivePie drivePie(QSize area, qint64 totalKilobytes, qint64 freeKilobytes)
{
    DrivePie pie;
    const int side = std::min(area.width(), area.height()) - 2 * kMargin;
    if (side <= 0)
        return pie;
    pie.circle = QRect((area.width() - side) / 2, (area.height() - side) / 2, side, side);
    if (totalKilobytes <= 0)
        return pie;
    const qint64 freeKb = std::clamp<qint64>(freeKilobytes, 0, totalKilobytes);
    // Rounded to the nearest sixteenth; the sizes reach petabytes, so the
    // product is taken in floating point.
    const int used = int(double(totalKilobytes - freeKb) * kFullCircle / double(totalKilobytes) + 0.5);
    pie.usedStart = kTwelveOClock;
    pie.usedSpan = -used;
    pie.freeStart = kTwelveOClock - used;
    pie.freeSpan = -(kFullCircle - used);
    return pie;
}

} // namespace vistello

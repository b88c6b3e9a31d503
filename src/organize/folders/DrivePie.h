#pragma once
// The Properties dialog's pie chart of a drive, as numbers: the largest
// square that fits the area (less a margin) and the used and free slices in
// QPainter's sixteenths of a degree. Used space starts at twelve o'clock and
// runs clockwise; free space fills the rest of the circle.
#include <QRect>
#include <QSize>

namespace vistello {

struct DrivePie {
    QRect circle;      // empty when the area is too small
    int usedStart = 0; // 1/16 degree, counter-clockwise from three o'clock
    int usedSpan = 0;  // negative: clockwise
    int freeStart = 0;
    int freeSpan = 0;
};

// Free space above the total counts as the whole drive; a drive of size 0
// has no slices.
DrivePie drivePie(QSize area, qint64 totalKilobytes, qint64 freeKilobytes);

} // namespace vistello

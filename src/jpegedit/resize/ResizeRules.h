#pragma once
// The rules a resize record obeys whenever it is read from the store or
// from the options panel, and the percentage the panel shows for a ratio.
#include "core/settings/ResizeSettings.h"

#include <QString>

namespace vistello {

// The largest enlargement, as a percentage and as a ratio.
inline constexpr double kMaxResizePercent = 10000.0;

// Negative box sides become 640 and 480; a ratio term of 0 or below makes
// the ratio 1/4; the ratio is reduced (and cut to 100/1); a quality outside
// 0-100 becomes 90; a size limit of 0 or below becomes 50 KB.
ResizeSettings validResizeSettings(ResizeSettings record);

// The ratio a typed percentage is held as, reduced: 25 gives 1/4, 33.3
// gives 333/1000, 150 gives 3/2. Values above 10000 count as 10000; 0 or
// below (or no number) gives the repaired 1/4.
void setResizePercent(ResizeSettings& record, double percent);
// The percentage shown for the ratio ("%g": 1/4 shows 25, 333/1000 shows 33.3).
QString resizePercentText(const ResizeSettings& record);

} // namespace vistello

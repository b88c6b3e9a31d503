#pragma once
// What the histogram view draws in a client area of W x H: level v at
// x = v W / 255, counter k at y = H - k H / largest; the luminance as a
// closed area along the bottom, the three channels as curves. The channel
// mode is one for the whole process and a click moves it on.
#include "imaging/histogram/Histogram.h"

#include <QPolygon>
#include <QSize>
#include <QString>

namespace vistello {

enum class HistogramMode { All = 0, Red = 1, Green = 2, Blue = 3, Luminance = 4 };
enum class HistogramChannel { Red, Green, Blue, Luminance };

// All -> Red -> Green -> Blue -> Luminance -> All.
HistogramMode nextHistogramMode(HistogramMode mode);
bool showsChannel(HistogramMode mode, HistogramChannel channel);
// The mode all histogram views share (the UI thread's, not stored).
HistogramMode& sharedHistogramMode();

// The 256 points of a channel's curve.
QPolygon histogramCurve(const LevelCounters& counters, uint32_t largest, QSize area);
// The luminance area: (0, H), the 256 points, (W, H).
QPolygon luminanceArea(const Histogram& histogram, QSize area);
const LevelCounters& channelCounters(const Histogram& histogram, HistogramChannel channel);

// "Average grey value: 29%".
QString averageGreyText(const Histogram& histogram);
// The text shown instead when the picture cannot be read.
QString histogramErrorText(const QString& path);

} // namespace vistello

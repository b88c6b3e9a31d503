#include "imaging/histogram/HistogramGeometry.h"

#include "resources/DecodeStrings.h"
#include "resources/InfoStrings.h"

#include <algorithm>

namespace vistello {

HistogramMode nextHistogramMode(HistogramMode mode)
{
    return mode == HistogramMode::Luminance ? HistogramMode::All : HistogramMode(int(mode) + 1);
}

bool showsChannel(HistogramMode mode, HistogramChannel channel)
{
    if (mode == HistogramMode::All)
        return true;
    switch (channel) {
    case HistogramChannel::Red:
        return mode == HistogramMode::Red;
    case HistogramChannel::Green:
        return mode == HistogramMode::Green;
    case HistogramChannel::Blue:
        return mode == HistogramMode::Blue;
    case HistogramChannel::Luminance:
        return mode == HistogramMode::Luminance;
    }
    return false;
}

HistogramMode& sharedHistogramMode()
{
    static HistogramMode mode = HistogramMode::All;
    return mode;
}

QPolygon histogramCurve(const LevelCounters& counters, uint32_t largest, QSize area)
{
    const int64_t w = area.width();
    const int64_t h = area.height();
    const int64_t scale = std::max<uint32_t>(largest, 1);
    QPolygon points(256);
    for (int v = 0; v < 256; ++v)
        points.setPoint(v, int(v * w / 255), int(h - int64_t(counters[size_t(v)]) * h / scale));
    return points;
}

QPolygon luminanceArea(const Histogram& histogram, QSize area)
{
    QPolygon points;
    points.reserve(258);
    points << QPoint(0, area.height()) << histogramCurve(histogram.luminance, histogram.largest, area)
           << QPoint(area.width(), area.height());
    return points;
}

const LevelCounters& channelCounters(const Histogram& histogram, HistogramChannel channel)
{
    switch (channel) {
    case HistogramChannel::Red:
        return histogram.red;
    case HistogramChannel::Green:
        return histogram.green;
    case HistogramChannel::Blue:
        return histogram.blue;
    case HistogramChannel::Luminance:
        break;
    }
    return histogram.luminance;
}

QString averageGreyText(const Histogram& histogram)
{
    return strings::text(strings::kAverageGreyValue).replace(QLatin1String("%d"), QString::number(histogram.averageGrey))
        .replace(QLatin1String("%%"), QLatin1String("%"));
}

QString histogramErrorText(const QString& path)
{
    return strings::text(strings::kErrorReadingPicture).replace(QLatin1String("%s"), path);
}

} // namespace vistello

#pragma once
// Shift+drag over the picture: the average colour of the rendered pixels
// inside the band and the green ratios a raw converter multiplies red and
// blue by to balance them.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

namespace vistello {

class Prompts;
class SettingsStore;

struct ColourAverages {
    int red = 0;
    int green = 0;
    int blue = 0;
    // Green / red and green / blue; nothing when the divisor is 0.
    std::optional<double> greenRed;
    std::optional<double> greenBlue;
    bool ratiosKnown() const { return greenRed && greenBlue; }
};

// The band from origin to at (both clamped to the drawn picture), as
// pixels: the far corner is not part of it, so a band without extent is empty.
QRect measureBand(QPoint origin, QPoint at, QRect drawn);

// Averages over the pixels of area (image coordinates, clipped to the
// image); nothing when no pixel lies inside. The sums are 64-bit: a 4K
// rendering passes 2^31 in one channel.
std::optional<ColourAverages> averageColours(const QImage& image, QRect area);

// The "RGB values" text: the three averages, the two ratios with three
// decimals ("–" for a zero divisor), then the question.
QString rgbValuesText(const ColourAverages& averages);

// A raw format's option string "%d;%d;%d;%f;%f;%f;%f" with the sixth and
// seventh fields replaced by the ratios; fields that are missing or
// unreadable take their defaults 0, 0, 0, 0.6, 1.0, 1.0, 1.0.
QString rawPropertyWithMultipliers(const QString& property, double greenRed, double greenBlue);

// The "RGB values" dialog. "Yes" (disabled when a ratio is unknown or no
// raw format is registered) writes the ratios into the raw format's option
// string, stores it and hands it to the format. True when it did, so the
// views are refreshed.
bool offerRawMultipliers(Prompts& prompts, SettingsStore& settings, const ColourAverages& averages);

} // namespace vistello

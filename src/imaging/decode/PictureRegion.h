#pragma once
// A part of a JPEG picture at one of the library's N/8 scales, upright:
// the zoom and panorama views of huge pictures decode what is on screen,
// not the whole picture. Coordinates are those of the upright picture at
// that scale; the part of the file behind them is found by the EXIF turn.
#include "imaging/colour/ColourTransform.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <memory>
#include <optional>

namespace vistello {

struct RegionSource {
    QSize fileSize;      // as stored
    int orientation = 1; // to apply, 1 without auto-rotation
    // The upright picture at num/8 as the library sizes it (rounding up).
    QSize uprightAt(int scaleNum) const;
};

// Nothing for a file that is not a readable JPEG (other formats decode whole).
std::optional<RegionSource> regionSourceOf(const QString& path, bool autoRotate);

// The stored picture's rectangle behind an upright one, both at the same scale.
QRect storedRect(QRect upright, QSize storedSize, int orientation);

struct RegionRequest {
    QString path;
    int scaleNum = 8; // over 8, 1..16
    QRect region;     // in the upright picture at that scale
    bool useColourProfiles = true;
    std::shared_ptr<const ColourTransform> displayTransform;
};

// RGB888, region.size() (clipped to the picture); nothing on failure.
std::optional<QImage> loadRegion(const RegionRequest& request, const RegionSource& source);

} // namespace vistello

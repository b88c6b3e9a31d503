#pragma once
// Cutting a panorama into its segment files "name-N.ext" in a folder,
// losslessly. Each segment is written under a temporary name and renamed
// into place, so a failed cut never harms a file already standing at the
// segment's name; an older segment file of that name is replaced, but never
// the picture being split.
#include "publish/panorama/PanoramaPlan.h"

#include <QString>
#include <QStringList>

namespace vistello {

struct PanoramaSplitRequest {
    QString picture;
    QString folder; // the segments' folder
    int printerX = 0;
    int printerY = 0;
    bool landscape = false;
    int overlap = 0;
};

enum class PanoramaFailure {
    None,
    Unreadable,  // no picture size (no handler, not valid)
    Stalls,      // the cuts would not advance: nothing written
    WouldReplaceSource,
    CutFailed,   // this segment and the later ones are missing
};

struct PanoramaSplitResult {
    PanoramaPlan plan;
    QStringList written; // segment paths in order
    int pictureHeight = 0;
    PanoramaFailure failure = PanoramaFailure::None;
    bool ok() const { return failure == PanoramaFailure::None; }
};

// "folder/base-N.ext" for the picture's base name (up to its last ".").
QString panoramaSegmentPath(const QString& folder, const QString& picture, int number);

// The plan for a picture as its format reports it (width, height, block width).
PanoramaSplitResult planPanoramaSplit(const PanoramaSplitRequest& request);
// Plans and, with dryRun false, cuts every segment.
PanoramaSplitResult splitPanorama(const PanoramaSplitRequest& request, bool dryRun = false);

} // namespace vistello

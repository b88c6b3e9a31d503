#pragma once
// What re-encoding a JPEG takes over from the file it replaces, read before
// that file is overwritten: every header segment (the EXIF block with its
// pixel size brought up to the new picture), the sampling factors, whether
// its colour profile still fits, and the picture date.
#include "jpegedit/jpegwrite/JpegEncode.h"
#include "jpegmeta/segments/SavedMarkerReader.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace vistello {

struct RewriteSource {
    std::vector<SavedMarker> markers;     // source order
    std::vector<SamplingFactor> sampling; // up to 10 components
    bool dropIccChunks = false;           // grey or CMYK: the profile does not describe YCbCr output
    QDateTime pictureDate;                // invalid when unknown

    std::vector<SavedMarkerView> views() const;
};

// Nothing (with the library's text in error) when the file is not a
// readable JPEG. The EXIF pixel size is set to newWidth x newHeight, and the
// orientation to 1 when resetOrientation (the pixels were turned upright).
std::optional<RewriteSource> readRewriteSource(const QString& path, int newWidth, int newHeight, bool resetOrientation,
                                               QString* error);

} // namespace vistello

#pragma once
// Collects the header segments the metadata parsers need, either from the
// file itself (reading only the header run) or from the JPEG library's
// saved-marker list of an opened picture.
#include "jpegmeta/segments/ByteSource.h"
#include "jpegmeta/segments/HeaderData.h"
#include "jpegmeta/segments/SavedMarker.h"

#include <QString>
#include <span>

namespace vistello {

struct CollectFromFile {
    bool wantAudio = false;
    bool wantIptc = false;
    bool wantComment = false;
    bool wantApp12 = false;

    bool any() const { return wantAudio || wantIptc || wantComment || wantApp12; }
};

struct CollectFromMarkers {
    bool wantAudio = false;
    bool wantIptc = false;
    bool wantIcc = false;
};

// A file that cannot be opened yields an empty HeaderData. Without any
// "want" the walk stops at the EXIF block.
HeaderData collectHeaderData(const QString& path, const CollectFromFile& want);
HeaderData collectHeaderData(ByteSource& source, const CollectFromFile& want);
HeaderData collectHeaderData(std::span<const SavedMarkerView> markers, const CollectFromMarkers& want);

} // namespace vistello

#pragma once
// Transforms the embedded thumbnails among a picture's saved header
// segments with the same lossless operation as the picture itself, in
// segment order, the first case that applies per segment:
//   JFXX   - the APP0 thumbnail extension: the segment is rebuilt;
//   EXIF   - the IFD1 thumbnail, found by the overlap-checking locator:
//            rewritten in place, or at the segment's end when it grew;
//   inside - any other embedded JPEG (also an EXIF thumbnail that overlaps
//            the maker note): rewritten in the space it has, cropped at the
//            right and bottom until it fits.
// A thumbnail that cannot be transformed, or whose segment would no longer
// fit a length field, keeps its old bytes.
#include "jpegedit/transform/TransformInMemory.h"
#include "jpegedit/transform/TransformRequest.h"
#include "jpegmeta/segments/SavedMarkerReader.h"

#include <vector>

namespace vistello {

void updateThumbnails(std::vector<SavedMarker>& segments, const MainPictureInfo& main, const TransformRequest& request);

// The single cases, for tests. Each returns true when it rewrote the segment.
bool updateJfxxThumbnail(SavedMarker& segment, const MainPictureInfo& main, const TransformRequest& request);
bool updateExifThumbnail(SavedMarker& segment, const MainPictureInfo& main, const TransformRequest& request);
bool updateThumbnailInside(SavedMarker& segment, const MainPictureInfo& main, const TransformRequest& request);

} // namespace vistello

#pragma once
// The walk over the header run: the APPn and COM segments that follow SOI at
// offset 2. The run ends at the first segment whose first byte is not 0xFF
// or whose marker is anything else; that offset is the header end. When the
// run reaches the end of the file there is no header end. 0xFF fill bytes
// before a marker are skipped, as the JPEG syntax allows; the segment's
// offset is that of the last 0xFF. The first two bytes are not checked:
// whatever stands there counts as SOI.
#include "jpegmeta/segments/ByteSource.h"
#include "jpegmeta/segments/JpegSegment.h"

#include <functional>
#include <optional>

namespace vistello {

struct HeaderWalkResult {
    std::optional<int64_t> headerEnd;
    int64_t segmentCount = 0;
    bool lengthsValid = true; // no segment has a length field below 2

    // A run the rewriting operations may cut and splice: it ends inside the
    // file and every segment holds at least its own length field.
    bool rewritable() const { return headerEnd.has_value() && lengthsValid; }
};

// Calls visit for each segment of the run (payload not read); visit returns
// false to stop early, which leaves the header end unset.
HeaderWalkResult walkHeaderRun(ByteSource& source, const std::function<bool(const JpegSegment&)>& visit = {});

// The header end alone.
std::optional<int64_t> findHeaderEnd(ByteSource& source);
std::optional<int64_t> findHeaderEnd(const QString& path);

// True when bytes is a whole run of APPn/COM segments from its first byte to
// its last (an empty run included), each with a length field of at least 2.
bool isWholeSegmentRun(const QByteArray& bytes);

} // namespace vistello

#pragma once
// A COM segment need not stand in the header run: some writers put it after
// the quantisation and Huffman tables, right before the frame or scan
// header. Other readers still show it as the picture's comment, so the
// program looks for it there too when the run holds none.
#include "jpegmeta/segments/ByteSource.h"
#include "jpegmeta/segments/JpegSegment.h"

#include <optional>

namespace vistello {

// The first COM segment among the table and frame segments that follow the
// header run (from its end up to the first scan), payload not read. Nothing
// when a scan, the end of the picture or a malformed segment comes first.
std::optional<JpegSegment> findCommentBeforeScan(ByteSource& source, int64_t headerEnd);

} // namespace vistello

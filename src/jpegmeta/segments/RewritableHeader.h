#pragma once
// The checks every operation makes before it cuts a picture's header run out
// and splices a new one in: the file starts with SOI, the run ends inside
// the file, and no segment is shorter than its own length field.
#include "jpegmeta/segments/ByteSource.h"
#include "jpegmeta/segments/HeaderEditStatus.h"

#include <QIODevice>
#include <optional>

namespace vistello {

struct RewritableHeader {
    HeaderEditStatus status = HeaderEditStatus::CannotOpen;
    int64_t headerEnd = 0;
    int64_t fileSize = 0;
    // The first COM segment: of the run, else the first before the scan.
    std::optional<int64_t> firstComment;
    int64_t firstCommentEnd = 0;

    bool ok() const { return status == HeaderEditStatus::Done; }
};

RewritableHeader checkRewritableHeader(ByteSource& source);

// Copies the source's bytes [from, to) to out in bounded chunks.
bool copyRange(ByteSource& source, int64_t from, int64_t to, QIODevice& out);

} // namespace vistello

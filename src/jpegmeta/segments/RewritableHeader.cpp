#include "jpegmeta/segments/RewritableHeader.h"

#include "jpegmeta/segments/HeaderWalk.h"
#include "jpegmeta/segments/JpegMarkers.h"
#include "jpegmeta/segments/ScanComment.h"

#include <algorithm>

namespace vistello {

RewritableHeader checkRewritableHeader(ByteSource& source)
{
    RewritableHeader result;
    result.fileSize = source.size();
    const QByteArray soi = source.read(0, 2);
    if (soi.size() < 2 || uint8_t(soi[0]) != 0xFF || uint8_t(soi[1]) != jpeg::kSoi) {
        result.status = HeaderEditStatus::NotJpeg;
        return result;
    }
    const HeaderWalkResult walk = walkHeaderRun(source, [&](const JpegSegment& s) {
        if (s.marker == jpeg::kCom && !result.firstComment) {
            result.firstComment = s.offset;
            result.firstCommentEnd = s.end();
        }
        return true;
    });
    if (!walk.headerEnd) {
        result.status = HeaderEditStatus::NoHeaderEnd;
        return result;
    }
    if (!walk.lengthsValid) {
        result.status = HeaderEditStatus::MalformedRun;
        return result;
    }
    result.headerEnd = *walk.headerEnd;
    if (!result.firstComment)
        if (const std::optional<JpegSegment> com = findCommentBeforeScan(source, result.headerEnd)) {
            result.firstComment = com->offset;
            result.firstCommentEnd = com->end();
        }
    result.status = HeaderEditStatus::Done;
    return result;
}

bool copyRange(ByteSource& source, int64_t from, int64_t to, QIODevice& out)
{
    constexpr int64_t kChunk = 1 << 20;
    while (from < to) {
        const QByteArray chunk = source.read(from, std::min(kChunk, to - from));
        if (chunk.isEmpty() || out.write(chunk) != chunk.size())
            return false;
        from += chunk.size();
    }
    return true;
}

} // namespace vistello

#include "jpegmeta/rewrite/CommentWrite.h"

#include "jpegmeta/rewrite/PictureReplace.h"
#include "jpegmeta/segments/ByteSource.h"
#include "jpegmeta/segments/CommentSegment.h"
#include "jpegmeta/segments/RewritableHeader.h"

namespace vistello {

HeaderEditStatus writeCommentSegment(const QString& picture, const QString& text)
{
    const std::optional<QByteArray> segment = encodeCommentSegment(text);
    if (!segment)
        return HeaderEditStatus::CommentTooLong;
    FileByteSource source(picture);
    if (!source.isOpen())
        return HeaderEditStatus::CannotOpen;
    const RewritableHeader header = checkRewritableHeader(source);
    if (!header.ok())
        return header.status;
    // The new comment takes the first one's place, wherever it stands; the
    // rest of the file is copied unchanged.
    const int64_t insertAt = header.firstComment.value_or(header.headerEnd);
    const int64_t restFrom = header.firstComment ? header.firstCommentEnd : header.headerEnd;
    const bool replaced = replaceFileKeepingPictureDate(picture, [&](QIODevice& out) {
        return copyRange(source, 0, insertAt, out) && out.write(*segment) == segment->size() &&
               copyRange(source, restFrom, header.fileSize, out);
    });
    return replaced ? HeaderEditStatus::Done : HeaderEditStatus::WriteFailed;
}

} // namespace vistello

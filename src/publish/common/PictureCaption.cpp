#include "publish/common/PictureCaption.h"

#include "jpegmeta/info/JpegHeaderRead.h"
#include "jpegmeta/segments/CommentSegment.h"
#include "organize/comments/CommentStore.h"

namespace vistello {

QString pictureCaption(const QString& path)
{
    const QString kept = CommentStore::instance().get(path);
    if (!kept.isEmpty())
        return kept;
    const JpegHeaderRead read = readJpegHeader(path);
    return read.ok ? readCommentSegment(read.header.comment).trimmed() : QString();
}

} // namespace vistello

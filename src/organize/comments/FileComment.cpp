#include "organize/comments/FileComment.h"

#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/FormatHandler.h"
#include "jpegedit/originals/OriginalBackup.h"
#include "jpegmeta/rewrite/CommentWrite.h"
#include "jpegmeta/segments/CommentSegment.h"
#include "jpegmeta/segments/HeaderCollector.h"

namespace vistello {

bool formatCarriesComments(const QString& path)
{
    const PictureFileType* type = PictureFileTypes::instance().typeOf(path);
    if (!type || !type->factory)
        return false;
    const std::unique_ptr<FormatHandler> handler = type->factory();
    return handler && (handler->capabilities() & FormatHandler::CarriesComments);
}

QString readFileComment(const QString& path)
{
    const HeaderData header = collectHeaderData(path, {.wantComment = true});
    return readCommentSegment(header.comment, kMaxCommentCharacters);
}

FileCommentResult writeFileComment(const QString& path, const QString& text, bool append, bool keepOriginal)
{
    if (!formatCarriesComments(path))
        return FileCommentResult::NoComments;
    const QString before = readFileComment(path);
    if (append && text.isEmpty())
        return FileCommentResult::Unchanged;
    const QString after = append ? before + text : text;
    if (after == before)
        return FileCommentResult::Unchanged;
    if (!backUpOriginalIfWanted(path, keepOriginal))
        return FileCommentResult::BackupFailed;
    return writeCommentSegment(path, after) == HeaderEditStatus::Done ? FileCommentResult::Written
                                                                        : FileCommentResult::Failed;
}

} // namespace vistello

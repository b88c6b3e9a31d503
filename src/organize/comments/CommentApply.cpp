#include "organize/comments/CommentApply.h"

#include "organize/comments/CommentStore.h"
#include "organize/comments/FileComment.h"

namespace vistello {

CommentApplyResult applyCommentChange(const QStringList& pictures, const CommentChange& change, CommentStore& store)
{
    CommentApplyResult result;
    for (const QString& picture : pictures) {
        if (change.toFile) {
            switch (writeFileComment(picture, change.fileText, change.add, change.keepOriginal)) {
            case FileCommentResult::BackupFailed:
            case FileCommentResult::Failed:
                result.failed.append(picture);
                continue;
            case FileCommentResult::Written:
            case FileCommentResult::Unchanged:
            case FileCommentResult::NoComments:
                break;
            }
        }
        if (change.toList) {
            if (change.add)
                store.append(picture, change.listText);
            else
                store.set(picture, change.listText);
        }
        result.changed.append(picture);
    }
    return result;
}

} // namespace vistello

#pragma once
// What "Change picture comment" does for the selected pictures, without its
// window: the list comment set or appended in the store, the file comment
// written or appended in each picture whose format carries one. With
// backups wanted, a picture whose file changes gets its ".original" first;
// when that fails the picture is left alone, its list comment included.
#include <QString>
#include <QStringList>

namespace vistello {

class CommentStore;

struct CommentChange {
    bool toList = true;  // WriteCommentToList
    bool toFile = false; // WriteCommentToFile
    bool add = false;    // AddToComment: append instead of replacing
    QString listText;
    QString fileText;
    bool keepOriginal = false; // CopyOriginal
};

struct CommentApplyResult {
    QStringList changed; // pictures to refresh
    QStringList failed;  // pictures whose file comment could not be written
};

CommentApplyResult applyCommentChange(const QStringList& pictures, const CommentChange& change, CommentStore& store);

} // namespace vistello

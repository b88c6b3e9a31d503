#pragma once
// The comment inside a picture file (for JPEG the first COM segment), for
// formats whose handler carries comments.
#include <QString>

namespace vistello {

bool formatCarriesComments(const QString& path);

// The whole comment text; empty when there is none or the file cannot be read.
QString readFileComment(const QString& path);

enum class FileCommentResult {
    Written,
    Unchanged,    // the file already holds that comment: not rewritten, no backup
    NoComments,   // the format carries no comment
    BackupFailed, // the ".original" backup was wanted and could not be made
    Failed,       // the picture could not be read or replaced
};

// Replaces the comment by text, or with append adds text directly behind
// the existing comment (no separator). An empty result removes the comment.
// With keepOriginal, the ".original" backup is made before the first change.
// The picture date becomes the file's modification time.
FileCommentResult writeFileComment(const QString& path, const QString& text, bool append, bool keepOriginal);

} // namespace vistello

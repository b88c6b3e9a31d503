#pragma once
// The step before any command rewrites a picture: either a copy is made and
// changed instead, or (when backups are wanted) the ".original" backup must
// exist, or the picture is changed as it is.
#include "jpegedit/originals/FileSteps.h"

#include <QString>
#include <optional>

namespace vistello {

struct PreparedChange {
    QString path;        // the file to change
    bool isCopy = false; // a copy made for this change
};

// Nothing when the copy or the required backup could not be made.
std::optional<PreparedChange> prepareForChange(const QString& picture, bool makeCopy, bool copyOriginal,
                                               const FileSteps& steps = realFileSteps());

} // namespace vistello

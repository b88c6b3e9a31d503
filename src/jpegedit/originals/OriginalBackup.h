#pragma once
// The ".original" backup: the untouched picture, kept beside it from the
// first change on (when the user wants backups) and brought back on request.
#include "jpegedit/originals/FileSteps.h"

#include <QString>

namespace vistello {

QString originalBackupPath(const QString& picture); // picture + ".original"

// Makes the backup unless one exists (the oldest is kept: true). False for a
// write-protected picture or when the copy fails; a failed copy leaves no
// backup behind.
bool makeOriginalBackup(const QString& picture, const FileSteps& steps = realFileSteps());

// Moves the backup over the picture; false when there is none, or when the
// picture exists and it or the backup is write-protected.
bool restoreOriginal(const QString& picture);

// What every command that rewrites a picture asks first when no copy is
// made: with backups wanted, the backup must succeed.
bool backUpOriginalIfWanted(const QString& picture, bool copyOriginal, const FileSteps& steps = realFileSteps());

} // namespace vistello

#include "jpegedit/originals/OriginalBackup.h"

#include "jpegedit/originals/NewFileCopy.h"
#include "platform/WriteProtection.h"

#include <QFile>
#include <cstdio>

namespace vistello {

QString originalBackupPath(const QString& picture) { return picture + QStringLiteral(".original"); }

bool makeOriginalBackup(const QString& picture, const FileSteps& steps)
{
    const QString backup = originalBackupPath(picture);
    if (nameTaken(backup))
        return true;
    if (isWriteProtected(picture))
        return false;
    return copyToNewName(picture, backup, NewFileOptions{}, steps);
}

bool restoreOriginal(const QString& picture)
{
    const QString backup = originalBackupPath(picture);
    if (!nameTaken(backup))
        return false;
    if (nameTaken(picture) && (isWriteProtected(picture) || isWriteProtected(backup)))
        return false;
    return std::rename(QFile::encodeName(backup).constData(), QFile::encodeName(picture).constData()) == 0;
}

bool backUpOriginalIfWanted(const QString& picture, bool copyOriginal, const FileSteps& steps)
{
    return !copyOriginal || makeOriginalBackup(picture, steps);
}

} // namespace vistello

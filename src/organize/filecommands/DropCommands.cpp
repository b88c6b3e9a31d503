#include "organize/filecommands/FileCommands.h"

#include "core/filetypes/CompanionSound.h"
#include "core/lists/PictureLists.h"
#include "jpegedit/originals/OriginalBackup.h"
#include "organize/filecommands/ViewListener.h"
#include "platform/FileOperations.h"
#include "platform/FolderWritable.h"
#include "platform/NoReplaceMove.h"

#include <QFileInfo>

namespace vistello {

namespace {

QString withSlash(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString folderOf(const QString& path)
{
    return QFileInfo(path).path() + u'/';
}

} // namespace

bool FileCommands::dropOffersMenu(const QStringList& dragged, const QString& dropFolder) const
{
    // The same folder reached through a link or a bind mount is still the same folder.
    return !dragged.isEmpty() && !dropFolder.isEmpty() && !isSameLocation(folderOf(dragged.first()), dropFolder);
}

bool FileCommands::canCopyTo(const QString& dropFolder) const
{
    return isFolderWritable(dropFolder);
}

void FileCommands::copyDropped(const QStringList& dragged, const QString& dropFolder)
{
    transferDropped(dragged, dropFolder, Transfer::Copy);
}

void FileCommands::moveDropped(const QStringList& dragged, const QString& dropFolder)
{
    broadcastToViews([](ViewListener& v) { v.moveBegins(); });
    transferDropped(dragged, dropFolder, Transfer::Move);
    broadcastToViews([](ViewListener& v) { v.moveEnds(); });
}

void FileCommands::transferDropped(const QStringList& dragged, const QString& dropFolder, Transfer transfer)
{
    permanent_ = Permanent::Refused; // a replaced target goes to the trash or stays
    for (const QString& source : dragged)
        transferOne(source, withSlash(dropFolder), transfer);
}

bool FileCommands::transferFile(const QString& from, const QString& to, Transfer transfer)
{
    if (transfer == Transfer::Copy)
        return c_.files.copyToNewFile(from, to);
    switch (c_.files.move(from, to)) {
    case MoveOutcome::Moved:
        return true;
    case MoveOutcome::Failed:
        return false;
    case MoveOutcome::CrossDevice:
        break;
    }
    // Another file system: the source goes only after a complete, verified
    // copy has its name.
    return c_.files.copyToNewFile(from, to) && c_.files.removePermanently(from);
}

bool FileCommands::transferOne(const QString& source, const QString& folder, Transfer transfer)
{
    if (!QFileInfo::exists(source) || isSameLocation(folderOf(source), folder))
        return false;
    const QString target = folder + QFileInfo(source).fileName();
    // A picture replaced in the drop folder goes to the trash with its own
    // backup and sound memo: left beside the new picture they would belong
    // to the wrong one.
    QStringList replaced;
    if (entryExists(target))
        replaced.append(target);
    for (const QString& companion : {originalBackupPath(target), findCompanionSound(target, true)})
        if (!companion.isEmpty() && entryExists(companion))
            replaced.append(companion);
    for (const QString& old : replaced)
        if (!deleteFile(old))
            return false;

    const QString sound = findCompanionSound(source, true);
    const QString backup = originalBackupPath(source);
    if (!transferFile(source, target, transfer))
        return false;
    if (QFileInfo::exists(backup))
        transferFile(backup, originalBackupPath(target), transfer);
    if (!sound.isEmpty())
        transferFile(sound, folder + QFileInfo(sound).fileName(), transfer);

    if (transfer == Transfer::Copy) {
        if (c_.copyComment)
            c_.copyComment(source, target);
    } else {
        if (c_.moveComment)
            c_.moveComment(source, target);
        pictureRemoved(source);
        PathArray& marked = c_.lists.markedPictures().entries();
        const int index = marked.find(0, source);
        if (index >= 0)
            marked.set(index, target);
    }
    tellFolderTree(target);
    return true;
}

} // namespace vistello

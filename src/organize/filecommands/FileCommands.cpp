#include "organize/filecommands/FileCommands.h"

#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "imaging/decode/DecodedPicture.h"
#include "jpegedit/originals/OriginalBackup.h"
#include "jpegmeta/exif/PictureDate.h"
#include "organize/filecommands/ViewListener.h"
#include "platform/FileOperations.h"
#include "platform/WriteProtection.h"
#include "resources/OrganizeStrings.h"

#include <QFileInfo>
#include <algorithm>

namespace vistello {

FileCommands::FileCommands(FileCommandContext context)
    : c_(std::move(context))
{
}

void FileCommands::tellFolderTree(const QString& path)
{
    if (c_.folderChanged)
        c_.folderChanged(QFileInfo(path).path() + u'/');
}

void FileCommands::pictureChanged(const QString& path)
{
    dropPathEverywhere(path);
    broadcastToViews([&](ViewListener& v) { v.pictureChanged(path); });
    tellFolderTree(path);
}

void FileCommands::pictureRemoved(const QString& path)
{
    dropPathEverywhere(path);
    PictureList& list = c_.lists.current();
    PathArray& entries = list.entries();
    list.selection().removePath(path);
    for (int index = entries.find(0, path); index >= 0; index = entries.find(index, path)) {
        entries.removeAt(index);
        // The neighbour that moved into the gap becomes current; after the
        // last entry, the one before it.
        entries.setCurrentIndex(index < entries.count() ? index : std::max(0, entries.count() - 1));
        broadcastToViews([&](ViewListener& v) { v.pictureRemoved(path, index); });
    }
    tellFolderTree(path);
}

void FileCommands::addPicture(const QString& path, bool makeCurrent)
{
    dropPathEverywhere(path);
    const PictureList::AddResult added = c_.lists.current().addPicture(path, makeCurrent);
    if (!added.accepted)
        return;
    if (added.appended) {
        broadcastToViews([&](ViewListener& v) { v.pictureAdded(path, added.index); });
        tellFolderTree(path);
    } else {
        pictureChanged(path);
    }
}

void FileCommands::setFileDateToExifDate()
{
    const PictureFileType* jpeg = PictureFileTypes::instance().typeOf(u".jpg");
    QStringList jpegs;
    for (const QString& path : c_.lists.workingSet()) {
        const PictureFileType* type = PictureFileTypes::instance().typeOf(path);
        if (jpeg && type && type->formatName == jpeg->formatName)
            jpegs.append(path);
    }
    if (jpegs.isEmpty())
        return;
    if (!c_.prompts.confirm(QString(), strings::text(strings::kSetFileDateToExifDate)))
        return;
    for (const QString& path : jpegs) {
        // The EXIF date only: a picture without one keeps its file date.
        const std::optional<QDateTime> taken = readExifPictureDateOfFile(path);
        if (taken && c_.files.setModificationTime(path, *taken))
            pictureChanged(path);
    }
}

bool FileCommands::canRestoreOriginal() const
{
    const PathArray& selection = c_.lists.current().selection();
    if (selection.count() > 1)
        return true;
    if (selection.count() != 1)
        return false;
    const QString picture = selection.at(0);
    return !isWriteProtected(picture) && QFileInfo::exists(originalBackupPath(picture));
}

void FileCommands::restoreOriginal()
{
    for (const QString& path : c_.lists.current().selection().toStringList())
        if (QFileInfo::exists(originalBackupPath(path)) && vistello::restoreOriginal(path))
            pictureChanged(path);
}

bool FileCommands::canRestoreOriginalOf(const QString& path) const
{
    return !path.isEmpty() && !isWriteProtected(path) && QFileInfo::exists(originalBackupPath(path));
}

bool FileCommands::restoreOriginalOf(const QString& path)
{
    if (!canRestoreOriginalOf(path) || !vistello::restoreOriginal(path))
        return false;
    pictureChanged(path);
    return true;
}

void FileCommands::resultWritten(const QString& path, int resultCount)
{
    addPicture(path, resultCount == 1);
}

void FileCommands::entryRenamed(const QString& oldPath, const QString& newPath)
{
    // Found by its old path: the list may have changed since the job started.
    // A list may name a picture more than once; every entry follows it, in
    // every list (marked pictures, search results...), but only the shown
    // list's views are told.
    for (const ListId id : {ListId::FolderPictures, ListId::SearchResults, ListId::CommandLinePictures,
                            ListId::DroppedPictures, ListId::MarkedPictures, ListId::SelectedPictures}) {
        PictureList& list = c_.lists.list(id);
        const bool shown = &list == &c_.lists.current();
        PathArray& entries = list.entries();
        for (int index = entries.find(0, oldPath); index >= 0; index = entries.find(index + 1, oldPath)) {
            entries.set(index, newPath);
            if (shown)
                broadcastToViews([&](ViewListener& v) { v.pictureReplaced(newPath, index); });
        }
        PathArray& selection = list.selection();
        for (int index = selection.find(0, oldPath); index >= 0; index = selection.find(index + 1, oldPath))
            selection.set(index, newPath);
    }
    // The program comment is the user's words about this picture: it follows the new name.
    if (c_.moveComment)
        c_.moveComment(oldPath, newPath);
}

void FileCommands::cacheRenamed(const QString& oldPath, const QString& newPath)
{
    renameEverywhere(oldPath, newPath);
}

void FileCommands::renameDone()
{
    broadcastToViews([](ViewListener& v) { v.renameEnds(); });
}

} // namespace vistello

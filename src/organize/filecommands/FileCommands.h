#pragma once
// The main window's commands on picture files as files, headless: the window
// reads keys, the clipboard and the drop, and calls these.
//
//   FileCommands commands(context);           // one per main window
//   Del (40008)             deletePictures(ctrlHeld)   after the window stopped
//                           the current page's background work
//   drop menu               dropOffersMenu(dragged, folder): open the menu?
//     "Copy" (40378)        copyDropped(dragged, folder)   enabled: canCopyTo(folder)
//     "Move" (40380)        moveDropped(dragged, folder)
//   Ctrl+V (40261)          pasteFromClipboard(image, folder)  (a focused text
//                           field pastes text instead; the window checks that)
//   Ctrl+X (40470)          setFileDateToExifDate()
//   "Restore original picture" (40347)  restoreOriginal()  enabled: canRestoreOriginal()
//   the viewer's delete / restore buttons   deletePicture(shown, ctrlHeld), restoreOriginalOf(shown)
//   BackgroundJob::fileWritten(path)    resultWritten(path, resultCount)
//   BackgroundJob::entryRenamed(o, n)   cacheRenamed(o, n), then entryRenamed(o, n)
//   rename job finished                 renameDone()
//
// Every change reaches the views through the ViewListener broadcasts and the
// folder tree through context.folderChanged. Files that cannot be deleted,
// copied or moved are skipped without a message. A picture's companions (its
// ".original" backup and its sound memo) follow it, and only after the
// picture itself succeeded.
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>

namespace vistello {

class FileOperations;
class PictureLists;
class Prompts;
class SettingsStore;

struct FileCommandContext {
    PictureLists& lists;
    SettingsStore& settings;
    Prompts& prompts;
    FileOperations& files;
    // Tells the folder tree that a folder's contents changed (path with "/").
    std::function<void(const QString& folder)> folderChanged;
    // The program comment follows a copied or moved picture.
    std::function<void(const QString& from, const QString& to)> copyComment;
    std::function<void(const QString& from, const QString& to)> moveComment;
};

class FileCommands {
public:
    explicit FileCommands(FileCommandContext context);

    // The working set: confirmed (unless "SkipDeleteDlg"; Ctrl asks again),
    // to the trash; where there is no trash, one question whether to delete
    // permanently. False when nothing was deleted.
    bool deletePictures(bool ctrlHeld);
    // The same for the one picture the viewer shows, whatever is selected.
    bool deletePicture(const QString& path, bool ctrlHeld);

    bool dropOffersMenu(const QStringList& dragged, const QString& dropFolder) const;
    bool canCopyTo(const QString& dropFolder) const;
    void copyDropped(const QStringList& dragged, const QString& dropFolder);
    void moveDropped(const QStringList& dragged, const QString& dropFolder);

    // Writes the image as a new picture in folder; false when nothing was added.
    bool pasteFromClipboard(const QImage& image, const QString& folder);

    void setFileDateToExifDate();

    bool canRestoreOriginal() const;
    void restoreOriginal();
    // The viewer's button: the shown picture only; false when nothing was restored.
    bool canRestoreOriginalOf(const QString& path) const;
    bool restoreOriginalOf(const QString& path);

    void resultWritten(const QString& path, int resultCount);
    void entryRenamed(const QString& oldPath, const QString& newPath);
    void cacheRenamed(const QString& oldPath, const QString& newPath);
    void renameDone();

    // The notifications every command gives.
    void pictureChanged(const QString& path);
    void pictureRemoved(const QString& path);
    // addPicture on the current list, with its notifications.
    void addPicture(const QString& path, bool makeCurrent);

private:
    enum class Transfer { Copy, Move };
    void transferDropped(const QStringList& dragged, const QString& dropFolder, Transfer transfer);
    bool transferOne(const QString& source, const QString& dropFolder, Transfer transfer);
    bool transferFile(const QString& from, const QString& to, Transfer transfer);
    bool deleteFile(const QString& path);
    bool deleteThese(const QStringList& doomed, bool ctrlHeld);
    QString deleteQuestion(const QStringList& doomed) const;
    void tellFolderTree(const QString& path);

    FileCommandContext c_;
    // Asked once per delete command: no trash here, delete permanently?
    enum class Permanent { NotAsked, Allowed, Refused } permanent_ = Permanent::NotAsked;
};

// "Picture0" -> "Picture1", "Picture9" -> "Picture10", "IMG_0009x" -> "IMG_0010x":
// the last run of digits counted up, keeping its width; no digits: unchanged.
QString nextPasteName(const QString& name);

} // namespace vistello

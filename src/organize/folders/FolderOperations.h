#pragma once
// The folder tree's operations on disk. A new label is one name inside the
// same parent: "/" or ".." would move the folder elsewhere, so such labels
// are refused. Renames never replace (rename(2) would silently replace an
// empty folder), and removal is rmdir alone, so a folder holding anything,
// hidden files included, stays.
#include <QString>

namespace vistello {

// Not empty, not "." or "..", without "/" or NUL, at most 255 bytes on disk.
bool isValidFolderLabel(const QString& label);

// Creates parent + the first free of "New Folder", "New Folder (2)", ...
// (baseName given by the caller) and returns its path with "/", or an
// empty string when it could not be created.
QString createNewFolder(const QString& parent, const QString& baseName);

// Removes the folder only when it is empty.
bool removeEmptyFolder(const QString& folder);

enum class FolderRenameResult {
    Renamed,
    Unchanged,    // the label is the folder's own name
    InvalidLabel, // refused before touching the disk
    TargetExists, // the new name is in use: nothing changed
    Failed,
};
struct FolderRename {
    FolderRenameResult result = FolderRenameResult::Failed;
    QString newPath; // with "/", set when renamed
};
FolderRename renameFolder(const QString& folder, const QString& newLabel);

} // namespace vistello

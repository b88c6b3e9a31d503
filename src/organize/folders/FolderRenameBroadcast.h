#pragma once
// After a folder was renamed on disk, every place that keeps paths moves the
// ones inside it to the new name: the picture lists (entries, selections,
// pending pictures), the remembered current pictures, the decoded-picture
// caches, the favorites and "LastUsedFolder"; then the views hear it through
// ViewListener::folderRenamed. User-interface thread.
#include <QString>

namespace vistello {

class FavoritesList;
class PictureLists;
class SettingsStore;

struct FolderRenameTargets {
    PictureLists& lists;
    FavoritesList& favorites;
    SettingsStore& settings;
};


void broadcastFolderRenamed(const QString& oldFolder, const QString& newFolder, FolderRenameTargets targets);

} // namespace vistello

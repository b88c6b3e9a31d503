#include "organize/folders/FolderRenameBroadcast.h"

#include "core/lists/PictureLists.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/DecodedPicture.h"
#include "organize/filecommands/ViewListener.h"
#include "organize/folders/Favorites.h"
#include "platform/FolderPath.h"

namespace vistello {
namespace {

constexpr ListId kAllLists[] = {ListId::FolderPictures,      ListId::SearchResults,  ListId::CommandLinePictures,
                                ListId::DroppedPictures,     ListId::MarkedPictures, ListId::SelectedPictures};

void movePaths(PathArray& paths, const QString& oldFolder, const QString& newFolder)
{
    for (int i = 0; i < paths.count(); ++i)
        if (std::optional<QString> moved = pathAfterFolderMove(paths.at(i), oldFolder, newFolder))
            paths.set(i, *moved);
}

} // namespace

void broadcastFolderRenamed(const QString& oldFolder, const QString& newFolder, FolderRenameTargets targets)
{
    for (ListId id : kAllLists) {
        PictureList& list = targets.lists.list(id);
        movePaths(list.entries(), oldFolder, newFolder);
        movePaths(list.selection(), oldFolder, newFolder);
        movePaths(list.pending(), oldFolder, newFolder);
    }
    targets.lists.folderIndexMemory().renameFolder(oldFolder, newFolder);
    renameFolderEverywhere(oldFolder, newFolder);
    targets.favorites.renameFolder(oldFolder, newFolder);
    const QString lastUsed = targets.settings.get(setting::LastUsedFolder);
    if (std::optional<QString> moved = pathAfterFolderMove(lastUsed, oldFolder, newFolder))
        targets.settings.set(setting::LastUsedFolder, *moved);
    broadcastToViews([&](ViewListener& view) { view.folderRenamed(oldFolder, newFolder); });
}

} // namespace vistello

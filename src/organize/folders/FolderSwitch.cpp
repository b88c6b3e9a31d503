#include "organize/folders/FolderSwitch.h"

#include "core/lists/PictureLists.h"
#include "core/settings/SettingsStore.h"
#include "organize/folders/FolderRenameBroadcast.h"

namespace vistello {

void showFolderList(PictureLists& lists, const QString& shown, const QString& folder, bool withSubfolders)
{
    PictureList& list = lists.folderPictures();
    if (!shown.isEmpty() && list.kind() == ListKind::Folder && list.count() > 0)
        lists.folderIndexMemory().remember(shown, list.currentIndex());
    list.clear(false);
    list.setKind(ListKind::Folder);
    list.scanFolder(folder, withSubfolders);
    list.entries().setCurrentIndex(lists.folderIndexMemory().recall(folder, list.count()).value_or(0));
    lists.setCurrent(ListId::FolderPictures);
}

void storeLastFolder(SettingsStore& store, const PictureLists& lists, const QString& folder, bool listed)
{
    if (folder.isEmpty())
        return;
    store.set(setting::LastUsedFolder, folder);
    const PictureList& list = lists.list(ListId::FolderPictures);
    store.set(setting::LastPictureIndex, listed && list.count() > 0 ? list.currentIndex() : 0);
}

} // namespace vistello

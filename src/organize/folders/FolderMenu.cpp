#include "organize/folders/FolderMenu.h"

#include "organize/folders/Favorites.h"
#include "platform/DriveKind.h"
#include "platform/FolderPath.h"
#include "resources/FolderStrings.h"

#include <QFile>
#include <QStorageInfo>

#include <dirent.h>
#include <sys/stat.h>

namespace vistello {
namespace {

// An entry other than ".", ".." and folders (links to folders count as files:
// rmdir would refuse them just the same).
bool holdsAnyFile(const QString& folder)
{
    const QString path = withTrailingSlash(folder);
    DIR* dir = ::opendir(QFile::encodeName(path).constData());
    if (!dir)
        return false;
    bool found = false;
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        struct stat own {};
        const bool isFolder = entry->d_type == DT_DIR
            || (entry->d_type == DT_UNKNOWN && ::lstat(QFile::encodeName(path + QFile::decodeName(name)).constData(), &own) == 0
                && S_ISDIR(own.st_mode));
        if (!isFolder) {
            found = true;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

} // namespace

void readFolderFacts(FolderFacts& facts)
{
    const QStorageInfo storage(facts.path);
    facts.isDriveRoot = storage.isValid() && withTrailingSlash(storage.rootPath()) == withTrailingSlash(facts.path);
    facts.onCdRom = isOnCdRom(facts.path);
    facts.holdsFiles = holdsAnyFile(facts.path);
    facts.freeSpaceKnown = storage.isValid() && storage.isReady();
}

QList<MenuCommand> folderMenu(const FolderFacts& f)
{
    using namespace strings;
    QList<MenuCommand> menu;
    const bool fixedPlace = f.isTreeRoot || f.isDriveRoot || f.onCdRom;
    if (!f.onCdRom && !f.path.isEmpty())
        menu.append({kCmdAddNewFolder, text(kMenuAddNewFolder)});
    if (!fixedPlace && !f.holdsFiles && !f.showsSubfolders)
        menu.append({kCmdRemoveFolder, text(kMenuRemoveFolder)});
    if (!fixedPlace)
        menu.append({kCmdRename, text(kMenuRenameFolder)});
    if (f.holdsFiles)
        menu.append({kCmdRescanFolder, text(kMenuRescanFolder)});
    if (f.hasChildItems)
        menu.append({kCmdRescanWithSubfolders, text(kMenuRescanWithSubfolders)});
    menu.append({kCmdAddToFavorites, text(kMenuAddToFavorites)});
    if (f.freeSpaceKnown)
        menu.append({kCmdProperties, text(kMenuProperties)});
    return menu;
}

QList<MenuCommand> favoriteMenu(const Favorite& favorite)
{
    using namespace strings;
    return {{kCmdRemoveFavorite, text(kMenuRemoveFavorite)},
            {kCmdRename, text(kMenuRenameFavorite)},
            {kCmdGoToFavorite, formatInserts(text(kMenuGoTo), {favorite.path})}};
}

} // namespace vistello

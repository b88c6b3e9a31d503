#pragma once
// The folder tree's context menus: which commands a folder item or a
// favorite offers (commands that cannot apply are left out).
#include <QList>
#include <QString>

namespace vistello {

struct Favorite;

enum FolderCommand : int {
    kCmdAddNewFolder = 40013,
    kCmdGoToFavorite = 40018,
    kCmdAddToFavorites = 40031,
    kCmdRemoveFavorite = 40032,
    kCmdRemoveFolder = 40243,
    kCmdRename = 40290, // a folder or a favorite
    kCmdRescanFolder = 40294,
    kCmdRescanWithSubfolders = 40296,
    kCmdProperties = 40299,
};

struct MenuCommand {
    int id;
    QString text;
};

// What the menu rules look at. The tree knows its own items; the rest comes
// from the disk (readFolderFacts).
struct FolderFacts {
    QString path;
    bool isTreeRoot = false;      // a top branch of the tree
    bool showsSubfolders = false; // the item has folder children in the tree
    bool hasChildItems = false;   // the item has (or may have) children
    bool isDriveRoot = false;     // a mount point
    bool onCdRom = false;
    bool holdsFiles = false;      // any entry but folders, hidden ones too
    bool freeSpaceKnown = false;
};
void readFolderFacts(FolderFacts& facts);

QList<MenuCommand> folderMenu(const FolderFacts& facts);
QList<MenuCommand> favoriteMenu(const Favorite& favorite);

} // namespace vistello

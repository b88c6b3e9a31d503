// Which commands a folder item's context menu offers.
#include "organize/folders/Favorites.h"
#include "organize/folders/FolderMenu.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

namespace vistello {
namespace {

QList<int> idsOf(const QList<MenuCommand>& menu)
{
    QList<int> ids;
    for (const MenuCommand& c : menu)
        ids << c.id;
    return ids;
}

TEST(FolderMenu, CommandsFollowTheFolderFacts)
{
    const auto facts = [](auto change) {
        FolderFacts f;
        f.path = QStringLiteral("/p/f/");
        f.freeSpaceKnown = true;
        change(f);
        return f;
    };
    const struct {
        const char* what;
        FolderFacts facts;
        QList<int> ids;
    } cases[] = {
        {"empty folder", facts([](FolderFacts&) {}),
         {kCmdAddNewFolder, kCmdRemoveFolder, kCmdRename, kCmdAddToFavorites, kCmdProperties}},
        {"with a file and children", facts([](FolderFacts& f) { f.holdsFiles = f.hasChildItems = true; }),
         {kCmdAddNewFolder, kCmdRename, kCmdRescanFolder, kCmdRescanWithSubfolders, kCmdAddToFavorites, kCmdProperties}},
        {"only sub-folders", facts([](FolderFacts& f) { f.showsSubfolders = f.hasChildItems = true; }),
         {kCmdAddNewFolder, kCmdRename, kCmdRescanWithSubfolders, kCmdAddToFavorites, kCmdProperties}},
        {"drive root", facts([](FolderFacts& f) { f.isDriveRoot = true; }), {kCmdAddNewFolder, kCmdAddToFavorites, kCmdProperties}},
        {"tree root", facts([](FolderFacts& f) { f.isTreeRoot = true; }), {kCmdAddNewFolder, kCmdAddToFavorites, kCmdProperties}},
        {"on a CD-ROM", facts([](FolderFacts& f) { f.onCdRom = true; f.freeSpaceKnown = false; }), {kCmdAddToFavorites}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(idsOf(folderMenu(c.facts)), c.ids) << c.what;

    const QList<MenuCommand> favorite = favoriteMenu(Favorite{QStringLiteral("F"), QStringLiteral("/p/f/")});
    EXPECT_EQ(idsOf(favorite), QList<int>({kCmdRemoveFavorite, kCmdRename, kCmdGoToFavorite}));
    EXPECT_EQ(favorite.last().text, QStringLiteral("Go to \"/p/f/\""));
}

// Hidden files are files: the tree does not show them, rmdir would refuse.
TEST(FolderMenu, FactsFromDiskCountHiddenFiles)
{
    test::TempDir dir;
    dir.write(QStringLiteral("hidden/.hidden"), "x");
    ASSERT_TRUE(QDir().mkpath(dir.file("sub/child")));
    FolderFacts hidden{.path = dir.file("hidden")};
    FolderFacts sub{.path = dir.file("sub/")};
    readFolderFacts(hidden);
    readFolderFacts(sub);
    EXPECT_TRUE(hidden.holdsFiles);
    EXPECT_FALSE(sub.holdsFiles);
    EXPECT_FALSE(sub.isDriveRoot);
    EXPECT_TRUE(sub.freeSpaceKnown);
    FolderFacts root{.path = QStringLiteral("/")};
    readFolderFacts(root);
    EXPECT_TRUE(root.isDriveRoot);
}

} // namespace
} // namespace vistello

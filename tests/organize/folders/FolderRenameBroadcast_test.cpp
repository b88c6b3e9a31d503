// After a folder rename, every kept path inside it follows; paths that
// merely share a prefix or differ in case stay.
#include "core/lists/PictureLists.h"
#include "core/settings/SettingsStore.h"
#include "imaging/cache/PictureCache.h"
#include "organize/filecommands/ViewListener.h"
#include "organize/folders/Favorites.h"
#include "organize/folders/FolderRenameBroadcast.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

struct RenameView : ViewListener {
    QStringList heard;
    void folderRenamed(const QString& from, const QString& to) override { heard << from + QLatin1String(" > ") + to; }
};

// Lists, favorites and "LastUsedFolder" kept the old paths.
TEST(FolderRenameBroadcast, MovesEveryKeptPathInsideTheFolder)
{
    test::TempDir dir;
    SettingsStore settings(dir.path());
    PictureLists lists;
    FavoritesList favorites = FavoritesList::fromStoredText(QStringLiteral("In|/p/a/x|Same|/p/a|Other|/p/ab/|Case|/p/A/|"));
    const QStringList pictures{"/p/a/1.jpg", "/p/a/x/2.jpg", "/p/ab/3.jpg", "/p/A/4.jpg"};
    for (const QString& path : pictures) {
        lists.folderPictures().entries().append(path);
        lists.markedPictures().entries().append(path);
    }
    lists.folderPictures().selection().append(QStringLiteral("/p/a/1.jpg"));
    lists.searchResults().pending().append(QStringLiteral("/p/a/x/2.jpg"));
    lists.folderIndexMemory().remember(QStringLiteral("/p/a/x"), 1);
    settings.set(setting::LastUsedFolder, QStringLiteral("/p/a/x/"));
    RenameView view;

    broadcastFolderRenamed(QStringLiteral("/p/a/"), QStringLiteral("/p/b/"), {lists, favorites, settings});

    const QStringList moved{"/p/b/1.jpg", "/p/b/x/2.jpg", "/p/ab/3.jpg", "/p/A/4.jpg"};
    EXPECT_EQ(lists.folderPictures().entries().toStringList(), moved);
    EXPECT_EQ(lists.markedPictures().entries().toStringList(), moved);
    EXPECT_EQ(lists.folderPictures().selection().toStringList(), QStringList({"/p/b/1.jpg"}));
    EXPECT_EQ(lists.searchResults().pending().toStringList(), QStringList({"/p/b/x/2.jpg"}));
    EXPECT_EQ(lists.folderIndexMemory().recall(QStringLiteral("/p/b/x/"), 5), 1);
    EXPECT_FALSE(lists.folderIndexMemory().recall(QStringLiteral("/p/a/x/"), 5));
    EXPECT_EQ(settings.get(setting::LastUsedFolder), QStringLiteral("/p/b/x/"));
    EXPECT_EQ(favorites.storedText(), QStringLiteral("In|/p/b/x|Same|/p/b|Other|/p/ab/|Case|/p/A/|"));
    EXPECT_EQ(view.heard, QStringList({"/p/a/ > /p/b/"}));
}

TEST(FolderRenameBroadcast, CachedPicturesAreRekeyed)
{
    PictureCache cache(4);
    const CachedPicture picture{.fileWidth = 7};
    cache.store(PictureCache::keyFor(QStringLiteral("/p/a/1.jpg"), 80, 80, 1, 1), picture);
    cache.store(PictureCache::keyFor(QStringLiteral("/p/ab/1.jpg"), 80, 80, 1, 1), picture);
    cache.renameFolder(QStringLiteral("/p/a"), QStringLiteral("/p/b"));
    EXPECT_TRUE(cache.lookup(PictureCache::keyFor(QStringLiteral("/p/b/1.jpg"), 80, 80, 1, 1)));
    EXPECT_FALSE(cache.lookup(PictureCache::keyFor(QStringLiteral("/p/a/1.jpg"), 80, 80, 1, 1)));
    EXPECT_TRUE(cache.lookup(PictureCache::keyFor(QStringLiteral("/p/ab/1.jpg"), 80, 80, 1, 1)));
}

} // namespace
} // namespace vistello

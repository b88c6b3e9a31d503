// Creating, removing and renaming folders on disk: nothing is ever moved
// out of its parent, replaced, or removed while it holds something.
#include "organize/folders/FolderOperations.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace vistello {
namespace {

using test::TempDir;

bool isDir(const QString& path) { return QFileInfo(path).isDir(); }

TEST(FolderOperations, NewFoldersTakeTheFirstFreeNumber)
{
    TempDir dir;
    QStringList made;
    for (int i = 0; i < 3; ++i)
        made << createNewFolder(dir.path(), QStringLiteral("New Folder"));
    EXPECT_EQ(made, QStringList({dir.file("New Folder/"), dir.file("New Folder (2)/"), dir.file("New Folder (3)/")}));
    // A file holding a name counts as a sibling too; a removed one frees its number.
    ASSERT_TRUE(QDir(dir.file("New Folder (2)")).removeRecursively());
    dir.write(QStringLiteral("New Folder (2)"), "x");
    EXPECT_EQ(createNewFolder(dir.path(), QStringLiteral("New Folder")), dir.file("New Folder (4)/"));
    EXPECT_TRUE(createNewFolder(dir.file("missing/"), QStringLiteral("New Folder")).isEmpty());
}

// The label went into the path unchecked: "../x" moved the folder out of its parent.
TEST(FolderOperations, LabelsThatLeaveTheParentAreRefused)
{
    TempDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.file("p/a")));
    ASSERT_TRUE(QDir().mkpath(dir.file("p/b")));
    for (const char* label : {"../x", "a/b", "", ".", "..", "x/"}) {
        EXPECT_EQ(renameFolder(dir.file("p/a"), QString::fromLatin1(label)).result, FolderRenameResult::InvalidLabel) << label;
    }
    EXPECT_FALSE(isValidFolderLabel(QString(256, u'n')));
    EXPECT_TRUE(isValidFolderLabel(QStringLiteral("a|b c..")));
    EXPECT_TRUE(isDir(dir.file("p/a")));
    EXPECT_FALSE(QFileInfo::exists(dir.file("x")));
}

// rename(2) silently replaced an existing empty folder.
TEST(FolderOperations, RenamingNeverReplacesAndKeepsBothFolders)
{
    TempDir dir;
    dir.write(QStringLiteral("p/a/pic.jpg"), "x");
    ASSERT_TRUE(QDir().mkpath(dir.file("p/empty")));
    EXPECT_EQ(renameFolder(dir.file("p/a/"), QStringLiteral("empty")).result, FolderRenameResult::TargetExists);
    EXPECT_TRUE(QFileInfo::exists(dir.file("p/a/pic.jpg")));
    EXPECT_TRUE(isDir(dir.file("p/empty")));
    EXPECT_EQ(renameFolder(dir.file("p/a/"), QStringLiteral("a")).result, FolderRenameResult::Unchanged);

    const FolderRename renamed = renameFolder(dir.file("p/a/"), QStringLiteral("B"));
    EXPECT_EQ(renamed.result, FolderRenameResult::Renamed);
    EXPECT_EQ(renamed.newPath, dir.file("p/B/"));
    EXPECT_TRUE(QFileInfo::exists(dir.file("p/B/pic.jpg")));
    EXPECT_EQ(renameFolder(dir.file("p/missing"), QStringLiteral("c")).result, FolderRenameResult::Failed);
}

// Emptiness was judged from what the tree shows, and hidden files are not shown.
TEST(FolderOperations, RemovingTakesOnlyEmptyFolders)
{
    TempDir dir;
    dir.write(QStringLiteral("hidden/.hidden"), "keep");
    ASSERT_TRUE(QDir().mkpath(dir.file("parent/child")));
    ASSERT_TRUE(QDir().mkpath(dir.file("empty")));
    EXPECT_FALSE(removeEmptyFolder(dir.file("hidden/")));
    EXPECT_EQ(test::readAll(dir.file("hidden/.hidden")), "keep");
    EXPECT_FALSE(removeEmptyFolder(dir.file("parent")));
    EXPECT_TRUE(isDir(dir.file("parent/child")));
    EXPECT_TRUE(removeEmptyFolder(dir.file("empty/")));
    EXPECT_FALSE(QFileInfo::exists(dir.file("empty")));
}

} // namespace
} // namespace vistello

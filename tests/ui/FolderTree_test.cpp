// The folder tree widget: its menu commands with their messages, and the
// Properties dialog's walk and Copy.
#include "core/filetypes/PictureFileTypes.h"
#include "core/prompts/Prompts.h"
#include "organize/folders/Favorites.h"
#include "organize/folders/FolderMenu.h"
#include "ui/folders/FolderTree.h"
#include "ui/folders/PropertiesDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vistello;

namespace {

void writeFile(const QString& path, qsizetype size)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(size, 'x'));
}

struct TreeFixture {
    TreeFixture()
    {
        PictureFileTypes::instance().clear();
        PictureFileTypes::instance().registerBuiltIns(false, nullptr);
        QObject::connect(&tree, &FolderTree::folderChosen, [this](const QString& folder, bool withSubfolders) {
            chosen << folder + (withSubfolders ? QStringLiteral(" +sub") : QString());
        });
    }
    QString folder(const QString& name) const { return dir.path() + u'/' + name + u'/'; }
    QModelIndex item(const QString& name) { return tree.folders().indexOfFolder(folder(name)); }

    QTemporaryDir dir;
    FavoritesList favorites;
    ScriptedPrompts prompts;
    FolderTree tree{favorites, prompts};
    QStringList chosen;
};

TEST(FolderTreeWidget, MenuCommandsAndTheirMessages)
{
    TreeFixture f;
    ASSERT_TRUE(QDir(f.dir.path()).mkpath(QStringLiteral("keep")));
    ASSERT_TRUE(QDir(f.dir.path()).mkpath(QStringLiteral("gone")));
    writeFile(f.folder(QStringLiteral("keep")) + QStringLiteral(".hidden"), 10);
    const QString top = f.dir.path() + u'/';

    for (int i = 0; i < 3; ++i)
        f.tree.runMenuCommand(f.tree.folders().indexOfFolder(top), kCmdAddNewFolder);
    EXPECT_TRUE(QFileInfo(top + QStringLiteral("New Folder (3)")).isDir());
    EXPECT_EQ(f.chosen.last(), top + QStringLiteral("New Folder (3)/")) << "the new folder is selected";

    // A folder that went away behind the tree's back cannot take a new one.
    const QModelIndex gone = f.item(QStringLiteral("gone"));
    ASSERT_TRUE(QDir(f.folder(QStringLiteral("gone"))).removeRecursively());
    f.tree.runMenuCommand(gone, kCmdAddNewFolder);
    // Only a hidden file: the tree shows it empty, the disk keeps it.
    f.tree.runMenuCommand(f.item(QStringLiteral("keep")), kCmdRemoveFolder);
    EXPECT_TRUE(QFileInfo::exists(f.folder(QStringLiteral("keep")) + QStringLiteral(".hidden")));
    ASSERT_EQ(f.prompts.shown().size(), 2);
    EXPECT_EQ(f.prompts.shown()[0],
              QStringLiteral("The folder \"%1New Folder\" could not be added.").arg(f.folder(QStringLiteral("gone"))));
    EXPECT_TRUE(f.prompts.shown()[1].startsWith(
        QStringLiteral("The folder \"%1\" could not be deleted.\n").arg(f.folder(QStringLiteral("keep")))));

    f.tree.runMenuCommand(f.item(QStringLiteral("keep")), kCmdRescanWithSubfolders);
    EXPECT_EQ(f.chosen.last(), f.folder(QStringLiteral("keep")) + QStringLiteral(" +sub"));

    // Two favorites; renaming one to the other's name is refused with the message.
    f.tree.runMenuCommand(f.item(QStringLiteral("keep")), kCmdAddToFavorites);
    f.tree.runMenuCommand(f.item(QStringLiteral("New Folder")), kCmdAddToFavorites);
    const QModelIndex branch = f.tree.folders().index(0, 0);
    ASSERT_EQ(f.tree.folders().rowCount(branch), 2);
    EXPECT_FALSE(f.tree.folders().setData(f.tree.folders().index(1, 0, branch), QStringLiteral("New favorite")));
    EXPECT_EQ(f.prompts.shown().last(),
              QStringLiteral("A favorite with the name \"New favorite\"\nalready exists. Choose another name."));

    // "Go to" selects the favorite's folder in the hierarchy.
    f.tree.runMenuCommand(f.tree.folders().index(0, 0, branch), kCmdGoToFavorite);
    EXPECT_EQ(f.tree.currentFolder(), f.folder(QStringLiteral("keep")));
    EXPECT_EQ(f.tree.folders().kindOf(f.tree.currentIndex()), FolderTreeModel::ItemKind::Folder);
}

TEST(FolderTreeWidget, AListBranchThatGoesChoosesNoFolder)
{
    using Kind = FolderTreeModel::ItemKind;
    TreeFixture f;
    QList<Kind> lists;
    QObject::connect(&f.tree, &FolderTree::listChosen, [&](Kind list) { lists << list; });
    f.tree.setListCount(Kind::DroppedList, 2);
    const int last = f.tree.folders().rowCount() - 1;
    f.tree.setCurrentIndex(f.tree.folders().index(last, 0));
    EXPECT_EQ(lists, QList<Kind>{Kind::DroppedList});
    // The selection moves to a neighbour when the branch goes; that neighbour is not scanned.
    f.tree.setListCount(Kind::DroppedList, 0);
    EXPECT_EQ(f.tree.folders().rowCount(), last);
    EXPECT_TRUE(f.chosen.isEmpty()) << f.chosen.join(u',').toStdString();
}

TEST(FolderTreeWidget, PropertiesCountTheWholeTreeAndCopyIt)
{
    TreeFixture f;
    ASSERT_TRUE(QDir(f.dir.path()).mkpath(QStringLiteral("sub")));
    writeFile(f.dir.filePath(QStringLiteral("a.jpg")), 1000);           // 1 KB
    writeFile(f.folder(QStringLiteral("sub")) + QStringLiteral("b.jpg"), 2000); // 2 KB
    writeFile(f.dir.filePath(QStringLiteral("notes.txt")), 600);         // 1 KB

    PropertiesDialog dialog(f.dir.path() + u'/', f.prompts);
    QElapsedTimer clock;
    clock.start();
    while (!dialog.walkFinished() && clock.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_TRUE(dialog.walkFinished());

    dialog.findChild<QPushButton*>(QStringLiteral("copyButton"))->click();
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.contains(QStringLiteral("Pictures: 2    Average picture size: 1 KB\r\nSize: 3 KB\r\n\r\n")))
        << copied.toStdString();
    EXPECT_TRUE(copied.contains(QStringLiteral("Other objects: 1\r\nSize: 1 KB\r\n\r\nFolders: 1\r\n")));
    EXPECT_TRUE(f.prompts.shown().last().startsWith(QStringLiteral("The properties are copied as text")));
}

} // namespace

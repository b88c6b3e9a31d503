// The lazy folder tree model: branches, listing on demand, the information
// texts arriving from the worker, renames and favorites.
#include "core/filetypes/PictureFileTypes.h"
#include "organize/folders/Favorites.h"
#include "organize/folders/FolderTreeModel.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace vistello {
namespace {

using Kind = FolderTreeModel::ItemKind;

class FolderTreeModelTest : public testing::Test {
protected:
    void SetUp() override
    {
        PictureFileTypes::instance().clear();
        PictureFileTypes::instance().registerBuiltIns(false, nullptr);
        for (const char* name : {"b/1.jpg", "b/2.jpg", "A/x.txt", "c/.keep", ".hidden/y.jpg"})
            dir.write(QString::fromLatin1(name), QByteArray(1536, 'p'));
    }
    QStringList childLabels(const QModelIndex& parent)
    {
        QStringList labels;
        for (int row = 0; row < model.rowCount(parent); ++row)
            labels << model.index(row, 0, parent).data(Qt::EditRole).toString();
        return labels;
    }
    // Waits for the worker's text of a folder.
    QString infoOf(const QString& folder)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            const QString info = model.indexOfFolder(folder).data(FolderTreeModel::InfoRole).toString();
            if (!info.isEmpty())
                return info;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return {};
    }

    test::TempDir dir;
    FavoritesList favorites = FavoritesList::fromStoredText(QStringLiteral("Pics|/p/|"));
    FolderTreeModel model{favorites};
};

TEST_F(FolderTreeModelTest, BranchesFoldersOnDemandAndTheirTexts)
{
    EXPECT_EQ(model.kindOf(model.index(0, 0)), Kind::FavoritesBranch);
    EXPECT_EQ(model.index(0, 0).data().toString(), QStringLiteral("Favorites (1)"));
    EXPECT_EQ(childLabels(model.index(0, 0)), QStringList({"Pics"}));
    model.setListCount(Kind::SearchList, 3);
    model.setListCount(Kind::CommandLineList, 2);
    const int rows = model.rowCount();
    EXPECT_EQ(model.kindOf(model.index(rows - 2, 0)), Kind::CommandLineList);
    EXPECT_EQ(model.index(rows - 1, 0).data().toString(), QStringLiteral("Search results (3)"));
    model.setListCount(Kind::SearchList, 0);
    EXPECT_EQ(model.rowCount(), rows - 1);

    const QModelIndex top = model.indexOfFolder(dir.path());
    ASSERT_TRUE(top.isValid());
    EXPECT_EQ(model.pathOf(top), dir.path());
    EXPECT_TRUE(model.hasChildren(top));
    EXPECT_TRUE(model.canFetchMore(top));
    model.fetchMore(top);
    EXPECT_EQ(childLabels(top), QStringList({"A", "b", "c"})); // sorted ignoring case, hidden ones left out
    EXPECT_EQ(infoOf(dir.file("b")), QStringLiteral("(2) (4 KB)"));
    EXPECT_EQ(model.indexOfFolder(dir.file("b/")).data().toString(), QStringLiteral("b (2) (4 KB)"));
    EXPECT_FALSE(model.indexOfFolder(dir.file("missing/")).isValid());
}

TEST_F(FolderTreeModelTest, RenamesFoldersAndFavorites)
{
    QStringList renamed, taken;
    QObject::connect(&model, &FolderTreeModel::folderRenamed,
                     [&](const QString& from, const QString& to) { renamed << from + QLatin1String(" > ") + to; });
    QObject::connect(&model, &FolderTreeModel::favoriteNameTaken, [&](const QString& name) { taken << name; });
    const QModelIndex b = model.indexOfFolder(dir.file("b"));
    EXPECT_FALSE(model.setData(b, QStringLiteral("../x")));
    EXPECT_FALSE(model.setData(b, QStringLiteral("A"))); // never replaces
    EXPECT_TRUE(model.setData(b, QStringLiteral("B2")));
    EXPECT_EQ(renamed, QStringList({dir.file("b/") + " > " + dir.file("B2/")}));
    EXPECT_EQ(model.pathOf(b), dir.file("B2/"));
    EXPECT_TRUE(QFileInfo::exists(dir.file("B2/1.jpg")));

    const QModelIndex added = model.addFavorite(b, QStringLiteral("New favorite"));
    EXPECT_EQ(added.data(Qt::EditRole).toString(), QStringLiteral("New favorite"));
    EXPECT_FALSE(model.setData(added, QStringLiteral("Pics")));
    EXPECT_EQ(taken, QStringList({"Pics"}));
    EXPECT_TRUE(model.setData(added, QStringLiteral("Mine")));
    EXPECT_EQ(favorites.storedText(), QStringLiteral("Pics|/p/|Mine|%1|").arg(dir.file("B2/")));

    const QModelIndex fresh = model.addNewFolder(b, QStringLiteral("New Folder"));
    EXPECT_EQ(model.pathOf(fresh), dir.file("B2/New Folder/"));
    EXPECT_TRUE(model.removeFolder(fresh));
    EXPECT_FALSE(QFileInfo::exists(dir.file("B2/New Folder")));
    EXPECT_FALSE(model.removeFolder(model.indexOfFolder(dir.file("c")))); // holds .keep
}

// A file dropped into the parent of the selected folder refreshes the
// parent: the selected row must stay (the view would choose another
// folder), and a refresh of a folder not shown lists nothing.
TEST_F(FolderTreeModelTest, RefreshKeepsTheRowsThatStay)
{
    const QModelIndex top = model.indexOfFolder(dir.path());
    model.fetchMore(top);
    const QPersistentModelIndex shown = model.indexOfFolder(dir.file("b/"));
    ASSERT_TRUE(shown.isValid());
    ASSERT_TRUE(QDir().mkdir(dir.file("d")));
    ASSERT_TRUE(QDir().rmdir(dir.file("c")) || QDir(dir.file("c")).removeRecursively());
    model.refreshFolder(dir.path());
    ASSERT_TRUE(shown.isValid());
    EXPECT_EQ(model.pathOf(shown), dir.file("b/"));
    QStringList labels = childLabels(top);
    labels.sort(Qt::CaseInsensitive);
    EXPECT_EQ(labels, QStringList({"A", "b", "d"}));

    ASSERT_TRUE(QDir().mkpath(dir.file("b/deep/er")));
    model.refreshFolder(dir.file("b/deep/er"));
    EXPECT_TRUE(model.canFetchMore(model.index(shown.row(), 0, top)));
}

} // namespace
} // namespace vistello

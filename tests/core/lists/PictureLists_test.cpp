#include "core/lists/DroppedFiles.h"
#include "core/lists/FolderIndexMemory.h"
#include "core/lists/PictureLists.h"
#include "core/lists/StoredList.h"
#include "ListTestSupport.h"

#include <QFile>

using namespace vistello;
using vistello::test::ListTest;

namespace {
using PictureListsModel = ListTest;
using StoredLists = ListTest;
} // namespace

TEST_F(PictureListsModel, OwnedListsHaveTheirKindsAndStartOnTheFolderList)
{
    PictureLists lists;
    EXPECT_EQ(lists.currentId(), ListId::FolderPictures);
    EXPECT_EQ(lists.folderPictures().entries().growStep(), 200);
    EXPECT_EQ(lists.markedPictures().entries().growStep(), 10);
    EXPECT_EQ(lists.searchResults().kind(), ListKind::SearchResult);
    EXPECT_EQ(lists.commandLinePictures().kind(), ListKind::CommandLine);
    EXPECT_EQ(lists.droppedPictures().kind(), ListKind::DragAndDrop);
    lists.setCurrent(ListId::SearchResults);
    EXPECT_EQ(&lists.current(), &lists.searchResults());
    EXPECT_EQ(lists.currentCaption(QString()), "0 picture(s) by search result");
}

TEST_F(PictureListsModel, TickingAMarkerTwiceAddsThePictureOnce)
{
    PictureLists lists;
    const QString a = QStringLiteral("/p/a.jpg");
    lists.setMarked(a, true);
    lists.setMarked(a, true);
    lists.setMarked(QStringLiteral("/p/A.jpg"), true);
    EXPECT_EQ(lists.markedPictures().count(), 2);
    lists.setMarked(a, false);
    EXPECT_FALSE(lists.isMarked(a));
    EXPECT_TRUE(lists.isMarked(QStringLiteral("/p/A.jpg")));
}

TEST_F(PictureListsModel, WorkingSetIsSelectedPicturesElseTheCurrentSelection)
{
    PictureLists lists;
    lists.folderPictures().selection().append(QStringLiteral("/p/sel.jpg"));
    lists.searchResults().selection().append(QStringLiteral("/q/found.jpg"));
    EXPECT_EQ(lists.workingSet(), QStringList{QStringLiteral("/p/sel.jpg")});
    lists.setCurrent(ListId::SearchResults);
    EXPECT_EQ(lists.workingSet(), QStringList{QStringLiteral("/q/found.jpg")});

    lists.selectedPictures().entries().append(QStringLiteral("/m/marked.jpg"));
    EXPECT_EQ(lists.takeWorkingSet(), QStringList{QStringLiteral("/m/marked.jpg")});
    EXPECT_TRUE(lists.selectedPictures().entries().isEmpty());
    EXPECT_EQ(lists.takeWorkingSet(), QStringList{QStringLiteral("/q/found.jpg")});
}

// The action list's pictures are for the list they came from: once another
// folder is shown, Del works on what the user sees there.
TEST_F(PictureListsModel, ShowingAnotherListDropsTheChosenPictures)
{
    PictureLists lists;
    lists.selectedPictures().entries().append(QStringLiteral("/old/folder/a.jpg"));
    lists.folderPictures().selection().append(QStringLiteral("/new/folder/b.jpg"));
    lists.setCurrent(ListId::FolderPictures); // the folder list shown anew
    EXPECT_EQ(lists.workingSet(), QStringList{QStringLiteral("/new/folder/b.jpg")});
}

TEST_F(PictureListsModel, DropBuildsTheDropListInDropOrder)
{
    const QString loose = touch("loose.JPG");
    const QString inFolder = touch("d/x.jpg");
    const QString inSub = touch("d/s/y.jpg");
    const QString listed = touch("l/z.jpg");
    const QString list = dir.write("l/some.txt", "z.jpg,from a list");
    const PictureList dropped = collectDroppedFiles({list, dir.file("d"), loose, loose, dir.file("missing")});
    EXPECT_EQ(dropped.kind(), ListKind::DragAndDrop);
    EXPECT_EQ(dropped.entries().toStringList(), (QStringList{listed, inSub, inFolder, loose, loose}));

    PictureLists lists;
    EXPECT_FALSE(lists.applyDrop(PictureList(100, ListKind::DragAndDrop)));
    EXPECT_EQ(lists.currentId(), ListId::FolderPictures);
    EXPECT_TRUE(lists.applyDrop(dropped));
    EXPECT_EQ(lists.currentId(), ListId::DroppedPictures);
    EXPECT_EQ(lists.current().count(), 5);
    EXPECT_EQ(lists.current().currentIndex(), 0);
    EXPECT_EQ(ListFileComments::instance().get(listed), "from a list");
}

TEST(FolderIndexMemory, RestoresOnlyIndicesWithinTheNewCount)
{
    FolderIndexMemory memory;
    memory.remember(QStringLiteral("/p/a"), 4);
    EXPECT_EQ(memory.recall(QStringLiteral("/p/a/"), 5), 4);
    EXPECT_EQ(memory.recall(QStringLiteral("/p/a"), 4), std::nullopt);
    EXPECT_EQ(memory.recall(QStringLiteral("/p/A"), 9), std::nullopt);
    memory.forget(QStringLiteral("/p/a/"));
    EXPECT_EQ(memory.recall(QStringLiteral("/p/a"), 5), std::nullopt);
}

TEST_F(StoredLists, RoundTripThroughThePersonalFolder)
{
    const QString a = touch("pics/a.jpg");
    const QString b = touch(QStringLiteral("pics/Ölberg, 1.jpg"));
    const QString personal = folder("personal");
    {
        PictureLists lists;
        lists.setMarked(b, true);
        lists.setMarked(a, true);
        lists.searchResults().entries().append(a);
        lists.writeStoredLists(personal);
    }
    EXPECT_EQ(test::readAll(personal + "Vistello_LE_se.txt"), "\xEF\xBB\xBF" + b.toUtf8() + "\r\n" + a.toUtf8() + "\r\n");
    EXPECT_EQ(test::readAll(personal + "Vistello_LE_sb.txt"), "\xEF\xBB\xBF" + a.toUtf8() + "\r\n");

    PictureLists lists;
    lists.readStoredLists(personal);
    EXPECT_EQ(lists.markedPictures().entries().toStringList(), (QStringList{b, a}));
    EXPECT_EQ(lists.searchResults().entries().toStringList(), QStringList{a});
}

TEST_F(StoredLists, ListOfDeletedPicturesLoadsEmptyAndItsFileIsDeletedAtTheEnd)
{
    const QString a = touch("a.jpg");
    const QString personal = folder("personal");
    {
        PictureLists lists;
        lists.setMarked(a, true);
        lists.writeStoredLists(personal);
    }
    ASSERT_TRUE(QFile::exists(personal + "Vistello_LE_se.txt"));
    QFile::remove(a);
    PictureLists lists;
    lists.readStoredLists(personal);
    EXPECT_TRUE(lists.markedPictures().entries().isEmpty());
    lists.writeStoredLists(personal);
    EXPECT_FALSE(QFile::exists(personal + "Vistello_LE_se.txt"));
    EXPECT_FALSE(QFile::exists(personal + "Vistello_LE_sb.txt"));
}

TEST_F(StoredLists, KeepsOnlyExistingPicturesByFullPath)
{
    const QString a = touch("a.jpg");
    touch("b.txt");
    const QString text = QStringLiteral("\r\n\r\n%1\n\r%2\rrelative.jpg\n%3\n%4%5\r\n")
                             .arg(a, dir.file("b.txt"), dir.file("gone.jpg"), a, QString(600, u'x'));
    PictureList list(10);
    list.entries().append(QStringLiteral("/old/entry.jpg"));
    readStoredList(list, dir.write("stored.txt", text.toUtf8()));
    // The overlong last line is cut after 511 units and names nothing.
    EXPECT_EQ(list.entries().toStringList(), QStringList{a});

    readStoredList(list, dir.file("absent.txt"));
    EXPECT_TRUE(list.entries().isEmpty());
}

TEST_F(StoredLists, WriteFailsWithoutItsFolderAndReplacesAnOldFileWhole)
{
    const QString a = touch("a.jpg");
    PictureList list(10);
    list.entries().append(a);
    EXPECT_FALSE(writeStoredList(list, dir.file("no/such/folder/list.txt")));
    const QString file = dir.write("list.txt", "old");
    EXPECT_TRUE(writeStoredList(list, file));
    EXPECT_EQ(test::readAll(file), "\xEF\xBB\xBF" + a.toUtf8() + "\r\n");
}

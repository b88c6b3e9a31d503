#include "core/lists/ListKind.h"
#include "core/lists/PictureList.h"
#include "ListTestSupport.h"

#include <QFile>

using namespace vistello;
using vistello::test::ListTest;

namespace {
using PictureListScan = ListTest;
using PictureListEdit = ListTest;
} // namespace

TEST_F(PictureListScan, OwnPicturesSortedThenListedPicturesInListOrder)
{
    const QString b = touch("f/b.jpg");
    const QString a = touch("f/A.jpg");
    const QString other2 = touch("other/2.jpg");
    const QString other1 = touch("other/1.jpg");
    touch("f/readme.txt");
    dir.write("f/list.csv", (other2 + "\r\n" + other1 + ",second\r\n").toUtf8());

    PictureList list(200);
    list.scanFolder(dir.file("f"), false); // without the trailing "/"
    EXPECT_EQ(list.entries().toStringList(), (QStringList{a, b, other2, other1}));
    EXPECT_EQ(list.pending().toStringList(), (QStringList{other2, other1}));
    EXPECT_EQ(ListFileComments::instance().get(other1), "second");
}

TEST_F(PictureListScan, SubfoldersSortByFullPathAndTheirListsAreRead)
{
    const QString top = touch("f/m.jpg");
    const QString sub = touch("f/a/z.jpg");
    const QString listed = touch("x/listed.jpg");
    dir.write("f/a/more.csv", listed.toUtf8());
    PictureList list(200);
    list.scanFolder(dir.file("f/"), true);
    EXPECT_EQ(list.entries().toStringList(), (QStringList{sub, top, listed}));
    list.scanFolder(dir.file("f/"), false);
    EXPECT_EQ(list.entries().toStringList(), QStringList{top});
}

// Lists may name each other or themselves, and links may reach one list twice:
// the scan ends and reads each list once.
TEST_F(PictureListScan, EachListFileIsReadOncePerScan)
{
    const QString p = touch("f/p.jpg");
    dir.write("f/self.csv", "self.csv\r\np.jpg\r\nloop.csv\r\n");
    dir.write("f/loop.csv", "self.csv\r\n");
    const QString real = dir.write("lists/real.csv", p.toUtf8());
    ASSERT_TRUE(QFile::link(real, dir.file("f/link1.csv")));
    ASSERT_TRUE(QFile::link(real, dir.file("f/link2.csv")));

    PictureList list(200);
    list.scanFolder(dir.file("f/"), false);
    // p.jpg itself, then once from self.csv and once from the linked list.
    EXPECT_EQ(list.entries().toStringList(), (QStringList{p, p, p}));

    // A run whose list extension is a picture extension still ends.
    PictureFileTypes::instance().setListExtension(QStringLiteral(".jpg"));
    dir.write("g/x.jpg", "x.jpg\r\n");
    list.scanFolder(dir.file("g/"), false);
    EXPECT_EQ(list.count(), 2);
}

TEST_F(PictureListScan, ClearKeepsSelectionAndOnlyOwnedListsForgetListComments)
{
    const QString a = touch("a.jpg");
    dir.write("l.csv", "a.jpg,hello");
    PictureList temp(10);
    EXPECT_TRUE(temp.readListFile(dir.file("l.csv"), true));
    temp.selection().append(a);
    temp.clear(false);
    EXPECT_TRUE(temp.entries().isEmpty());
    EXPECT_TRUE(temp.pending().isEmpty());
    EXPECT_EQ(temp.selection().count(), 1);
    EXPECT_EQ(ListFileComments::instance().get(a), "hello");

    PictureList owned(10);
    owned.setOwnsListFileComments(true);
    owned.clear(false);
    EXPECT_EQ(ListFileComments::instance().get(a), "");
}

TEST_F(PictureListScan, RescanKeepsTheCurrentIndexWithinTheNewCount)
{
    for (const char* n : {"f/1.jpg", "f/2.jpg", "f/3.jpg"})
        touch(QString::fromLatin1(n));
    PictureList list(200);
    list.scanFolder(dir.file("f/"), false);
    list.entries().setCurrentIndex(1);
    list.rescanKeepingIndex(dir.file("f/"), false);
    EXPECT_EQ(list.currentIndex(), 1);
    list.entries().setCurrentIndex(2);
    QFile::remove(dir.file("f/3.jpg"));
    list.rescanKeepingIndex(dir.file("f/"), false);
    EXPECT_EQ(list.currentIndex(), 1);
    EXPECT_EQ(list.currentPath(), dir.file("f/2.jpg"));

    list.scanFolder(QString(), false); // nothing happens
    EXPECT_EQ(list.count(), 2);
}

TEST_F(PictureListEdit, AddPictureAppendsOnceAndCanMakeItCurrent)
{
    PictureList list(10);
    EXPECT_FALSE(list.addPicture(QStringLiteral("/p/notes.txt"), true).accepted);
    EXPECT_TRUE(list.entries().isEmpty());

    auto r = list.addPicture(QStringLiteral("/p/a.jpg"), false);
    EXPECT_TRUE(r.accepted && r.appended && r.wasEmpty);
    EXPECT_EQ(r.index, 0);
    r = list.addPicture(QStringLiteral("/p/b.JPG"), false);
    EXPECT_EQ(r.index, 1);
    EXPECT_FALSE(r.wasEmpty);

    r = list.addPicture(QStringLiteral("/p/a.jpg"), true); // already there: changed, not added
    EXPECT_FALSE(r.appended);
    EXPECT_EQ(r.index, 0);
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.currentIndex(), 0);
    EXPECT_EQ(list.selection().toStringList(), QStringList{QStringLiteral("/p/a.jpg")});

    r = list.addPicture(QStringLiteral("/p/A.jpg"), true); // another picture on this system
    EXPECT_TRUE(r.appended);
    EXPECT_EQ(list.currentIndex(), 2);
}

TEST(PictureListCaption, EachKindHasItsText)
{
    const QString folder = QStringLiteral("/home/u/Pictures/");
    EXPECT_EQ(listCaption(ListKind::Folder, 12, folder), "12 picture(s) in \"/home/u/Pictures/\"");
    EXPECT_EQ(listCaption(ListKind::FavouritesNode, 0, folder), "0 picture(s) in \"/home/u/Pictures/\"");
    EXPECT_EQ(listCaption(ListKind::CommandLine, 2, folder), "2 picture(s) from command line");
    EXPECT_EQ(listCaption(ListKind::SearchResult, 3, folder), "3 picture(s) by search result");
    EXPECT_EQ(listCaption(ListKind::DragAndDrop, 4, folder), "4 picture(s) from Drag&Drop");
    PictureList list(10, ListKind::CommandLine);
    list.entries().append(QStringLiteral("/p/a.jpg"));
    EXPECT_EQ(list.caption(folder), "1 picture(s) from command line");
}

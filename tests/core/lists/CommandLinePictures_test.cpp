#include "core/lists/CommandLinePictures.h"
#include "core/lists/FirstList.h"
#include "core/lists/PictureLists.h"
#include "core/settings/SettingsStore.h"
#include "ListTestSupport.h"

#include <QDir>

using namespace vistello;
using vistello::test::ListTest;

namespace {
using PathArguments = ListTest;
using FirstListChoice = ListTest;
} // namespace

TEST_F(PathArguments, TwoPicturesKeepTheirOrderAndDuplicatesAreSkipped)
{
    const QString b = touch("b.jpg");
    const QString a = touch("a.jpg");
    const QString upperA = touch("A.jpg");
    const CommandLinePictures got = collectPathArguments({b, a, b, upperA, a}, false);
    EXPECT_TRUE(got.pathsGiven());
    EXPECT_EQ(got.list().kind(), ListKind::CommandLine);
    EXPECT_EQ(got.list().entries().toStringList(), (QStringList{b, a, upperA}));
}

TEST_F(PathArguments, RelativePathsBecomeFullPaths)
{
    const QString a = touch("sub/a.jpg");
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const CommandLinePictures got = collectPathArguments({QStringLiteral("sub/../sub/a.jpg")}, false);
    QDir::setCurrent(saved);
    EXPECT_EQ(got.list().entries().toStringList(), QStringList{a});
}

TEST_F(PathArguments, FoldersAreScannedSortedAndListsContribute)
{
    const QString given = touch("z.jpg");
    const QString fb = touch("f/b.jpg");
    const QString fa = touch("f/a.jpg");
    const QString deep = touch("f/s/c.jpg");
    const QString listed = touch("l/x.jpg");
    const QString list = dir.write("l/pics.csv", "x.jpg,xc\r\nnone.jpg\r\n");

    CommandLinePictures got = collectPathArguments({given, dir.file("f"), fb, list}, false);
    EXPECT_EQ(got.list().entries().toStringList(), (QStringList{given, fa, fb, listed}));
    EXPECT_EQ(ListFileComments::instance().get(listed), "xc");

    got = collectPathArguments({dir.file("f/")}, true);
    EXPECT_EQ(got.list().entries().toStringList(), (QStringList{fa, fb, deep}));
}

TEST_F(PathArguments, NothingToShowOnlyWhenSomethingExisted)
{
    folder("empty");
    touch("empty/readme.txt");
    CommandLinePictures got = collectPathArguments({dir.file("empty")}, false);
    EXPECT_TRUE(got.pathsGiven());
    EXPECT_TRUE(got.nothingToShow());

    got = collectPathArguments({dir.file("empty/readme.txt")}, false);
    EXPECT_TRUE(got.nothingToShow());

    got = collectPathArguments({dir.file("missing.jpg"), QString()}, false);
    EXPECT_FALSE(got.pathsGiven());
    EXPECT_FALSE(got.nothingToShow());

    touch("p.jpg");
    got = collectPathArguments({dir.file("p.jpg")}, false);
    got.discardPictures();
    EXPECT_TRUE(got.list().entries().isEmpty());
}

TEST_F(FirstListChoice, OnePictureOpensItsFolderWithThatPictureCurrent)
{
    const QString a = touch("f/a.jpg");
    const QString b = touch("f/b.jpg");
    const QString c = touch("f/c.jpg");
    PictureLists lists;
    const FirstList first = chooseFirstList(lists, collectPathArguments({b}, false).list(), QString(), false, nullptr);
    EXPECT_EQ(first.source, FirstList::Source::OnePicture);
    EXPECT_EQ(first.folder, dir.file("f/"));
    EXPECT_EQ(lists.currentId(), ListId::FolderPictures);
    EXPECT_EQ(lists.current().entries().toStringList(), (QStringList{a, b, c}));
    EXPECT_EQ(lists.current().currentIndex(), 1);
    EXPECT_EQ(lists.current().selection().toStringList(), QStringList{b});
    EXPECT_EQ(lists.commandLinePictures().count(), 1);
}

TEST_F(FirstListChoice, SeveralPicturesShowTheCommandLineListAsCollected)
{
    const QString b = touch("f/b.jpg");
    const QString a = touch("g/a.jpg");
    PictureLists lists;
    const FirstList first = chooseFirstList(lists, collectPathArguments({b, a}, false).list(), QString(), false, nullptr);
    EXPECT_EQ(first.source, FirstList::Source::CommandLine);
    EXPECT_TRUE(first.folder.isEmpty());
    EXPECT_EQ(lists.currentId(), ListId::CommandLinePictures);
    EXPECT_EQ(lists.current().entries().toStringList(), (QStringList{b, a}));
    EXPECT_EQ(lists.currentCaption(QString()), "2 picture(s) from command line");
}

TEST_F(FirstListChoice, StartFolderThenLastUsedFolder)
{
    const QString a = touch("start/a.jpg");
    const QString sub = touch("start/s/b.jpg");
    touch("last/1.jpg");
    const QString two = touch("last/2.jpg");
    const PictureList none(100, ListKind::CommandLine);

    PictureLists lists;
    FirstList first = chooseFirstList(lists, none, dir.file("start"), true, nullptr);
    EXPECT_EQ(first.source, FirstList::Source::StartFolder);
    EXPECT_TRUE(first.includeSubfolders);
    EXPECT_EQ(lists.current().entries().toStringList(), (QStringList{a, sub}));

    SettingsStore settings(folder("personal"));
    settings.setString(QStringLiteral("LastUsedFolder"), dir.file("last/"));
    settings.setInt(QStringLiteral("LastPictureIndex"), 1);
    first = chooseFirstList(lists, none, QString(), false, &settings);
    EXPECT_EQ(first.source, FirstList::Source::LastUsedFolder);
    EXPECT_EQ(lists.current().currentPath(), two);

    settings.setInt(QStringLiteral("LastPictureIndex"), 7); // beyond the folder: first picture
    chooseFirstList(lists, none, QString(), false, &settings);
    EXPECT_EQ(lists.current().currentIndex(), 0);

    settings.setString(QStringLiteral("LastUsedFolder"), QString());
    first = chooseFirstList(lists, none, QString(), false, &settings);
    EXPECT_EQ(first.source, FirstList::Source::PicturesFolder);
    EXPECT_TRUE(first.folder.endsWith(u'/'));
}

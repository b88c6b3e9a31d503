// Deleting pictures: the question, the trash with the companions, and what
// survives when a step fails.
#include "organize/FileCommandsFixture.h"
#include "resources/OrganizeStrings.h"
#include "resources/StringTable.h"

#include <QFileInfo>

namespace vistello::test {
namespace {

class Delete : public FileCommandsTest {
protected:
    // a.jpg, b.jpg with its backup and sound memo, c.jpg; b is current,
    // selected and marked.
    void SetUp() override
    {
        for (const char* name : {"a.jpg", "b.jpg", "b.jpg.original", "b.wav", "c.jpg"})
            original[name] = root.write(QString::fromLatin1(name), QByteArray("bytes of ") + name);
        showFolder({file("a.jpg"), file("b.jpg"), file("c.jpg")}, 1, {file("b.jpg")});
        lists.setMarked(file("b.jpg"), true);
    }
    QString file(const char* name) const { return root.file(QString::fromLatin1(name)); }
    QMap<QString, QString> original;
};

TEST_F(Delete, QuestionCountsWhatWillBeDeleted)
{
    struct Case {
        const char* label;
        ListKind kind;
        QStringList selection;
        QStringList selectedPictures; // the action list's working set
        QString expected;
    };
    const QString all = strings::text(strings::kDeleteFolderPictures).replace(QLatin1String("%s"), root.path());
    const QString two = strings::text(strings::kDeleteSomePictures).replace(QLatin1String("%d"), QStringLiteral("2"));
    const QString three = strings::text(strings::kDeleteSomePictures).replace(QLatin1String("%d"), QStringLiteral("3"));
    const Case cases[] = {
        {"one", ListKind::Folder, {file("b.jpg")}, {}, strings::text(strings::kDeleteOnePicture).replace(QLatin1String("%s"), QStringLiteral("b.jpg"))},
        {"whole folder", ListKind::Folder, {file("a.jpg"), file("b.jpg"), file("c.jpg")}, {}, all},
        {"whole search result", ListKind::SearchResult, {file("a.jpg"), file("b.jpg"), file("c.jpg")}, {}, three},
        {"action list's set", ListKind::Folder, {file("b.jpg")}, {file("a.jpg"), file("c.jpg")}, two},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        showFolder({file("a.jpg"), file("b.jpg"), file("c.jpg")}, 1, c.selection);
        lists.folderPictures().setKind(c.kind);
        lists.selectedPictures().entries().clear(false);
        for (const QString& p : c.selectedPictures)
            lists.selectedPictures().entries().append(p);
        prompts.queueAnswer(QStringLiteral("no"));
        EXPECT_FALSE(commands().deletePictures(false));
        EXPECT_EQ(prompts.shown().last(), c.expected);
        EXPECT_TRUE(QFileInfo::exists(file("a.jpg")));
        EXPECT_EQ(lists.selectedPictures().count(), 0);
    }
}

TEST_F(Delete, PictureBackupAndSoundGoToTheTrashAndTheNeighbourBecomesCurrent)
{
    prompts.queueAnswer(QStringLiteral("yes"));
    ASSERT_TRUE(commands().deletePictures(false));
    ASSERT_EQ(files.trashed.size(), 3);
    for (const QString& inTrash : files.trashed) {
        const QString name = QFileInfo(inTrash).fileName();
        EXPECT_EQ(readAll(inTrash), "bytes of " + name.toUtf8());
        EXPECT_TRUE(QFileInfo::exists(QFileInfo(inTrash).path() + QStringLiteral("/../info/") + name + QStringLiteral(".trashinfo")));
        EXPECT_FALSE(QFileInfo::exists(root.file(name)));
    }
    EXPECT_EQ(lists.current().entries().toStringList(), QStringList({file("a.jpg"), file("c.jpg")}));
    EXPECT_EQ(lists.current().currentPath(), file("c.jpg"));
    EXPECT_EQ(lists.current().selection().toStringList(), QStringList{file("c.jpg")});
    EXPECT_FALSE(lists.isMarked(file("b.jpg")));
    EXPECT_EQ(view.events, QStringList({"deleteBegins", "removed b.jpg 1"}));
}

TEST_F(Delete, TheLastPictureLeavesAnEmptyList)
{
    showFolder({file("c.jpg")}, 0, {file("c.jpg")});
    prompts.queueAnswer(QStringLiteral("yes"));
    ASSERT_TRUE(commands().deletePictures(false));
    EXPECT_EQ(lists.current().count(), 0);
}

TEST_F(Delete, DontAskAgainHoldsUntilCtrlIsHeld)
{
    prompts.queueCheckBox();
    prompts.queueAnswer(QStringLiteral("no"));
    commands().deletePictures(false);
    EXPECT_TRUE(settings.getBool(QStringLiteral("SkipDeleteDlg"), false));
    const qsizetype asked = prompts.shown().size();
    ASSERT_TRUE(commands().deletePictures(false));
    EXPECT_EQ(prompts.shown().size(), asked);
    lists.current().selection().reset(file("a.jpg"));
    prompts.queueAnswer(QStringLiteral("no"));
    commands().deletePictures(true);
    EXPECT_EQ(prompts.shown().size(), asked + 1);
    EXPECT_TRUE(QFileInfo::exists(file("a.jpg")));
}

TEST_F(Delete, WithoutATrashOneQuestionPerCommandEvenWhenNotAskingToConfirm)
{
    files.noTrash = true;
    settings.setBool(QStringLiteral("SkipDeleteDlg"), true);
    const QString permanent = strings::text(strings::kDeletePermanently);
    for (const char* answer : {"no", "yes"}) {
        SCOPED_TRACE(answer);
        lists.current().selection().clear(false);
        lists.current().selection().append(file("a.jpg"));
        lists.current().selection().append(file("b.jpg"));
        prompts.queueAnswer(QString::fromLatin1(answer));
        const qsizetype asked = prompts.shown().size();
        commands().deletePictures(false);
        EXPECT_EQ(prompts.shown().size(), asked + 1);
        EXPECT_EQ(prompts.shown().last(), permanent);
    }
    for (const char* name : {"a.jpg", "b.jpg", "b.jpg.original", "b.wav"})
        EXPECT_FALSE(QFileInfo::exists(file(name))) << name;
    EXPECT_TRUE(QFileInfo::exists(file("c.jpg")));
}

// Companions and marks went even when the picture stayed: now every file is
// in place or in the trash, and a picture that stayed keeps its companions,
// its mark and its entry.
TEST_F(Delete, AFailingStepLosesNothing)
{
    for (int failAt = 1;; ++failAt) {
        SCOPED_TRACE(failAt);
        TearDown();
        for (const QString& inTrash : std::as_const(files.trashed))
            QFile::remove(inTrash);
        files = FaultyFileOperations();
        SetUp();
        lists.current().selection().append(file("a.jpg"));
        files.failAt = failAt;
        prompts.queueAnswer(QStringLiteral("yes"));
        commands().deletePictures(false);
        const QSet<QByteArray> surviving = survivingChecksums();
        for (const char* name : {"a.jpg", "b.jpg", "b.jpg.original", "b.wav", "c.jpg"})
            EXPECT_TRUE(surviving.contains(checksum(QByteArray("bytes of ") + name))) << name;
        if (QFileInfo::exists(file("b.jpg"))) {
            EXPECT_TRUE(QFileInfo::exists(file("b.jpg.original")));
            EXPECT_TRUE(QFileInfo::exists(file("b.wav")));
            EXPECT_TRUE(lists.isMarked(file("b.jpg")));
            EXPECT_TRUE(lists.current().entries().contains(file("b.jpg")));
        }
        if (files.steps < failAt)
            break;
    }
}

// The viewer's button deletes the picture it shows, whatever else is selected.
TEST_F(Delete, TheViewersButtonDeletesTheShownPictureOnly)
{
    showFolder({file("a.jpg"), file("b.jpg"), file("c.jpg")}, 1, {file("a.jpg"), file("b.jpg"), file("c.jpg")});
    prompts.queueAnswer(QStringLiteral("yes"));
    ASSERT_TRUE(commands().deletePicture(file("b.jpg"), false));
    EXPECT_EQ(prompts.shown().last(),
              strings::text(strings::kDeleteOnePicture).replace(QLatin1String("%s"), QStringLiteral("b.jpg")));
    EXPECT_EQ(files.trashed.size(), 3); // with its backup and sound memo
    EXPECT_EQ(lists.current().entries().toStringList(), QStringList({file("a.jpg"), file("c.jpg")}));
    EXPECT_TRUE(QFileInfo::exists(file("a.jpg")));
    EXPECT_TRUE(QFileInfo::exists(file("c.jpg")));
}

} // namespace
} // namespace vistello::test

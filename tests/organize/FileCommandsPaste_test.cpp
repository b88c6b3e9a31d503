// Pasting a picture as a new file, the EXIF date as file date, restoring the
// original, and the results background jobs report.
#include "organize/FileCommandsFixture.h"
#include "organize/RenameFixtures.h"
#include "resources/OrganizeStrings.h"
#include "resources/StringTable.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace vistello::test {
namespace {

TEST(PasteName, TheLastNumberCountsUpKeepingItsWidth)
{
    const char* cases[][2] = {
        {"Picture0", "Picture1"},   {"Picture9", "Picture10"}, {"IMG_0009x", "IMG_0010x"},
        {"a1b099", "a1b100"},       {"Holiday", "Holiday"},    {"", ""},
        {"99999999999999999999", "100000000000000000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(nextPasteName(QString::fromLatin1(c[0])), QString::fromLatin1(c[1])) << c[0];
}

class Paste : public FileCommandsTest {
protected:
    Paste()
        : image(16, 8, QImage::Format_RGB32)
    {
        image.fill(Qt::red);
    }
    bool paste(const QString& answer)
    {
        prompts.queueAnswer(answer);
        return commands().pasteFromClipboard(image, root.path());
    }
    QImage image;
};

TEST_F(Paste, WritesTheChosenFormatAndListsThePicture)
{
    struct Case {
        const char* chosen;
        const char* written;
        const char* format; // as another reader sees it
        bool listed;        // BMP is written, not read
    };
    const Case cases[] = {{"shot.jpg", "shot.jpg", "jpeg", true},
                          {"shot.bmp", "shot.bmp", "bmp", false},
                          {"shot.txt", "shot.txt.jpg", "jpeg", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        ASSERT_TRUE(paste(root.file(QString::fromLatin1(c.chosen))));
        const QString written = root.file(QString::fromLatin1(c.written));
        QImageReader reader(written);
        EXPECT_EQ(reader.format(), QByteArray(c.format));
        EXPECT_EQ(reader.size(), QSize(16, 8));
        EXPECT_EQ(lists.current().entries().contains(written), c.listed);
    }
    EXPECT_EQ(prompts.proposed.first(), root.file(QStringLiteral("Picture1")));
    EXPECT_EQ(prompts.proposed.last(), root.file(QStringLiteral("shot"))); // no number to count up
}

// The name with ".jpg" appended was written over an existing file without a
// question, and a failed write was still listed.
TEST_F(Paste, TheFinalNameIsAskedAgainAndAFailedWriteAddsNothing)
{
    const QString taken = root.write(QStringLiteral("taken.txt.jpg"), "keep me");
    prompts.queueAnswer(root.file(QStringLiteral("taken.txt")));
    EXPECT_FALSE(paste(QStringLiteral("cancel")));
    EXPECT_EQ(prompts.proposed.last(), taken);
    EXPECT_EQ(readAll(taken), "keep me");

    const QString nowhere = root.file(QStringLiteral("missing/new.jpg"));
    EXPECT_FALSE(paste(nowhere));
    EXPECT_EQ(prompts.shown().last(),
              strings::formatInserts(strings::text(strings::kPastedPictureNotWritten), {nowhere}));
    EXPECT_EQ(lists.current().count(), 0);
    EXPECT_TRUE(view.events.isEmpty());

    image = QImage();
    EXPECT_FALSE(commands().pasteFromClipboard(image, root.path()));
    EXPECT_EQ(prompts.shown().last(), strings::text(strings::kNoClipboardPicture));
}

TEST_F(FileCommandsTest, FileDateBecomesTheExifDateOnly)
{
    const QString dated = root.write(QStringLiteral("dated.jpg"), rename::datedPicture("2021:03:04 05:06:07", "a"));
    const QString undated = root.write(QStringLiteral("undated.jpg"), rename::datedPicture({}, "b"));
    const QString sound = root.write(QStringLiteral("memo.wav"), "RIFF");
    const QDateTime old(QDate(2000, 1, 2), QTime(3, 4, 5));
    for (const QString& p : {dated, undated})
        ASSERT_TRUE(realFileOperations().setModificationTime(p, old));
    showFolder({dated, undated, sound}, 0, {dated, undated, sound});
    prompts.queueAnswer(QStringLiteral("yes"));
    commands().setFileDateToExifDate();
    EXPECT_EQ(prompts.shown().last(), strings::text(strings::kSetFileDateToExifDate));
    EXPECT_EQ(QFileInfo(dated).lastModified(), QDateTime(QDate(2021, 3, 4), QTime(5, 6, 7)));
    EXPECT_EQ(QFileInfo(undated).lastModified(), old);
    EXPECT_EQ(view.events, QStringList{"changed dated.jpg"});

    showFolder({sound}, 0, {sound});
    const qsizetype asked = prompts.shown().size();
    commands().setFileDateToExifDate();
    EXPECT_EQ(prompts.shown().size(), asked);
}

TEST_F(FileCommandsTest, RestoreOriginalIsOfferedForWhatItCanRestore)
{
    const QString a = root.write(QStringLiteral("a.jpg"), "changed");
    const QString b = root.write(QStringLiteral("b.jpg"), "b");
    root.write(QStringLiteral("a.jpg.original"), "untouched");
    showFolder({a, b}, 0, {b});
    EXPECT_FALSE(commands().canRestoreOriginal());
    showFolder({a, b}, 0, {a});
    EXPECT_TRUE(commands().canRestoreOriginal());
    showFolder({a, b}, 0, {a, b});
    EXPECT_TRUE(commands().canRestoreOriginal());
    commands().restoreOriginal();
    EXPECT_EQ(readAll(a), "untouched");
    EXPECT_FALSE(QFileInfo::exists(a + QStringLiteral(".original")));
    EXPECT_EQ(view.events, QStringList{"changed a.jpg"});
}

// A rename's entry was found by an index taken when the job started.
TEST_F(FileCommandsTest, JobResultsFindTheirEntriesByPath)
{
    const QString a = root.file(QStringLiteral("a.jpg"));
    const QString b = root.file(QStringLiteral("b.jpg"));
    const QString c = root.file(QStringLiteral("c.jpg"));
    showFolder({a, b, c}, 0, {a});
    commands().pictureRemoved(a); // meanwhile, b moved up to index 0
    commands().entryRenamed(b, root.file(QStringLiteral("b2.jpg")));
    EXPECT_EQ(lists.current().entries().toStringList(), QStringList({root.file(QStringLiteral("b2.jpg")), c}));
    commands().entryRenamed(root.file(QStringLiteral("gone.jpg")), root.file(QStringLiteral("x.jpg")));
    commands().resultWritten(c, 2);
    commands().resultWritten(root.file(QStringLiteral("d.jpg")), 1);
    EXPECT_EQ(lists.current().currentPath(), root.file(QStringLiteral("d.jpg")));
    EXPECT_EQ(view.events, QStringList({"removed a.jpg 0", "replaced b2.jpg 0", "changed c.jpg", "added d.jpg 2"}));
}

// A picture the list names twice follows its rename at both places.
TEST_F(FileCommandsTest, RenamedPictureFollowsAtEveryIndex)
{
    const QString a = root.file(QStringLiteral("a.jpg"));
    const QString b = root.file(QStringLiteral("b.jpg"));
    const QString a2 = root.file(QStringLiteral("a2.jpg"));
    showFolder({a, b, a}, 2, {a, b, a});
    commands().entryRenamed(a, a2);
    EXPECT_EQ(lists.current().entries().toStringList(), QStringList({a2, b, a2}));
    EXPECT_EQ(lists.current().selection().toStringList(), QStringList({a2, b, a2}));
    EXPECT_EQ(lists.current().currentPath(), a2);
    EXPECT_EQ(view.events, QStringList({"replaced a2.jpg 0", "replaced a2.jpg 2"}));
}

// A rename must not lose what belongs to the picture: its mark and its comment.
TEST_F(FileCommandsTest, RenamedPictureKeepsItsMarkAndComment)
{
    const QString a = root.file(QStringLiteral("a.jpg"));
    const QString a2 = root.file(QStringLiteral("a2.jpg"));
    showFolder({a}, 0, {a});
    lists.setMarked(a, true);
    commands().entryRenamed(a, a2);
    EXPECT_TRUE(lists.isMarked(a2));
    EXPECT_FALSE(lists.isMarked(a));
    EXPECT_EQ(commentsMoved, QStringList{a + u'>' + a2});
}

} // namespace
} // namespace vistello::test

// Picture comments: the comment list file (written, read back in other
// encodings and line ends), the store's operations, and comments inside the
// picture files checked with rdjpgcom and djpeg.
#include "app/samples/SamplePicture.h"
#include "core/lists/ListFileComments.h"
#include "organize/comments/CommentApply.h"
#include "organize/comments/CommentStore.h"
#include "organize/comments/FileComment.h"
#include "organize/regex/SearchPattern.h"
#include "imaging/decode/BuiltInFormats.h"
#include "core/filetypes/PictureFileTypes.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace vistello;

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

class CommentStoreTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString listPath() const { return dir.file(QStringLiteral("Vistello_LE.txt")); }
    // A picture file that exists (the store checks existence when finding).
    QString picture(const QString& relative) const { return dir.write(relative, "x"); }

    test::TempDir dir;
    ListFileComments listFileComments;
    CommentStore store{listFileComments};
};

TEST_F(CommentStoreTest, TrickyContentsRoundTripInEveryEncoding)
{
    CommentListContents tricky;
    tricky.comments[QStringLiteral("2004/a \"quoted\" name.jpg")] = QStringLiteral("said \"hi\", then; left=1");
    tricky.comments[QStringLiteral("line\nbreak/x.jpg")] = QStringLiteral("plain");
    tricky.folders.insert(QStringLiteral("/photos/Paris, 2004/"));
    tricky.folders.insert(QStringLiteral("/photos/line\nbreak/"));
    ASSERT_TRUE(writeCommentListFile(listPath(), tricky));
    const QByteArray written = test::readAll(listPath());
    ASSERT_TRUE(written.startsWith(kBom + "\"2004/a \"\"quoted\"\" name.jpg\",\"said \"\"hi\"\", then; left=1\"\r\n"));
    EXPECT_EQ(readCommentListFile(listPath()), tricky);

    // The same list as another program may leave it: LF only, UTF-16LE.
    const QString text = QString::fromUtf8(written.mid(3));
    QString lfOnly = text;
    lfOnly.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(readCommentListFile(dir.write(QStringLiteral("lf.txt"), kBom + lfOnly.toUtf8())), tricky);
    const QString iconv = QStandardPaths::findExecutable(QStringLiteral("iconv"));
    ASSERT_FALSE(iconv.isEmpty() && test::underCi()) << "iconv is missing";
    if (!iconv.isEmpty()) {
        const QString plain = dir.write(QStringLiteral("plain.txt"), written.mid(3));
        const test::ProcessRun utf16 = test::runProgram(iconv, {"-f", "UTF-8", "-t", "UTF-16", plain});
        ASSERT_TRUE(utf16.out.startsWith("\xFF\xFE")); // little-endian with its mark
        ASSERT_EQ(utf16.exitCode, 0);
        EXPECT_EQ(readCommentListFile(dir.write(QStringLiteral("utf16.txt"), utf16.out)), tricky);
    }
}

TEST_F(CommentStoreTest, ReadingIsTolerant)
{
    const struct {
        const char* line;
        const char* key;     // nullptr: no comment
        const char* comment;
    } cases[] = {
        {"\"a/b.jpg\",\"one\"\r\n", "a/b.jpg", "one"},
        {"  a/b.jpg;two, three\n", "a/b.jpg", "two, three"},
        {"a/b.jpg= \"four\"\"s\"\n", "a/b.jpg", "four\"s"},
        {"\"a/b.jpg\",\"\"\r\n", nullptr, nullptr},
        {"a/b.jpg\r\n", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        const CommentListContents read = parseCommentList(QString::fromUtf8(c.line));
        if (!c.key) {
            EXPECT_TRUE(read.comments.empty()) << c.line;
            continue;
        }
        ASSERT_EQ(read.comments.size(), 1u) << c.line;
        EXPECT_EQ(read.comments.begin()->first, QString::fromUtf8(c.key));
        EXPECT_EQ(read.comments.begin()->second, QString::fromUtf8(c.comment));
    }
    // An unquoted folder line does not swallow the next line.
    const CommentListContents folders = parseCommentList(u"/photos/\n\"a/b.jpg\",\"x\"\n");
    EXPECT_EQ(folders.folders.size(), 1u);
    EXPECT_EQ(folders.comments.size(), 1u);
}

TEST_F(CommentStoreTest, OperationsFollowTheKey)
{
    const QString a = picture(QStringLiteral("a/2004/Img.JPG"));
    const QString b = picture(QStringLiteral("b/2004/Img.JPG"));
    const QString c = picture(QStringLiteral("c/2005/Img.JPG"));
    store.set(a, QStringLiteral("  one\r\ntwo  "));
    EXPECT_EQ(store.get(b), QStringLiteral("one  two")); // same key: last folder and name
    store.append(a, QStringLiteral("three"));
    EXPECT_EQ(store.get(a), QStringLiteral("one  two three"));
    store.copy(a, c);
    EXPECT_EQ(store.get(c), store.get(a));
    store.move(c, dir.file(QStringLiteral("d/2006/Img.JPG")));
    EXPECT_TRUE(store.get(c).isEmpty());
    EXPECT_FALSE(store.get(dir.file(QStringLiteral("d/2006/Img.JPG"))).isEmpty());
    store.remove(a);
    EXPECT_TRUE(store.get(b).isEmpty());

    listFileComments.set(b, QStringLiteral("from a list"));
    EXPECT_EQ(store.get(b), QStringLiteral("from a list"));
}

TEST_F(CommentStoreTest, MoveIntoAFolderOfTheSameNameKeepsTheComment)
{
    const QString from = picture(QStringLiteral("a/2004/x.jpg"));
    const QString to = picture(QStringLiteral("b/2004/x.jpg"));
    store.set(from, QStringLiteral("kept"));
    store.move(from, to);
    EXPECT_EQ(store.get(to), QStringLiteral("kept"));
    EXPECT_EQ(store.contents().folders.count(dir.file(QStringLiteral("b/2004/"))), 1u);
}

TEST_F(CommentStoreTest, KeysKeepTheirCase)
{
    const QString upper = picture(QStringLiteral("f/IMG_1.JPG"));
    const QString lower = picture(QStringLiteral("f/img_1.jpg"));
    store.set(upper, QStringLiteral("upper"));
    EXPECT_TRUE(store.get(lower).isEmpty());
}

TEST_F(CommentStoreTest, FindYieldsEveryRecordedFolderWhosePictureExists)
{
    const QString first = picture(QStringLiteral("one/2004/x.jpg"));
    const QString second = picture(QStringLiteral("two/2004/x.jpg"));
    store.set(first, QStringLiteral("Sunset at sea"));
    store.get(second); // records its folder
    store.set(dir.file(QStringLiteral("three/2004/x.jpg")), QStringLiteral("Sunset at sea")); // no such file
    QStringList found{second};
    store.findByComment(SearchPattern::compile(u"SUNSET"), found);
    found.sort();
    EXPECT_EQ(found, (QStringList{first, second}));
    QStringList none;
    store.findByComment(SearchPattern::compile(u"sunrise"), none);
    EXPECT_TRUE(none.isEmpty());
}

TEST_F(CommentStoreTest, FindStopsWhenAsked)
{
    const QString first = picture(QStringLiteral("one/x.jpg"));
    store.set(first, QStringLiteral("Sunset at sea"));
    const std::atomic<bool> stopped{true};
    QStringList found;
    store.findByComment(SearchPattern::compile(u"sunset"), found, &stopped);
    EXPECT_TRUE(found.isEmpty());
    const std::atomic<bool> running{false};
    store.findByComment(SearchPattern::compile(u"sunset"), found, &running);
    EXPECT_EQ(found, QStringList{first});
}

TEST_F(CommentStoreTest, SaveReportsFailureAndKeepsTheOldList)
{
    store.load(listPath());
    store.set(picture(QStringLiteral("a/b.jpg")), QStringLiteral("x"));
    ASSERT_TRUE(store.save());
    const QByteArray before = test::readAll(listPath());

    // A store whose comments were all removed leaves the list alone.
    CommentStore emptied(listFileComments);
    emptied.load(listPath());
    emptied.remove(dir.file(QStringLiteral("a/b.jpg")));
    EXPECT_TRUE(emptied.save());
    EXPECT_EQ(test::readAll(listPath()), before);

    // A list whose place is taken by a folder cannot be written.
    ASSERT_TRUE(QDir().mkpath(dir.file(QStringLiteral("blocked.txt"))));
    CommentStore blocked(listFileComments);
    blocked.load(dir.file(QStringLiteral("blocked.txt")));
    blocked.set(picture(QStringLiteral("a/c.jpg")), QStringLiteral("y"));
    EXPECT_FALSE(blocked.save());
    EXPECT_TRUE(blocked.saveFailedMessage().startsWith(
        QStringLiteral("The picture comment list \"%1\" could not be updated.\n").arg(dir.file(QStringLiteral("blocked.txt")))));
}

// Picture files: the comment segment read by rdjpgcom, the pixels by djpeg.
class FileCommentTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    }
    QString sample(const QByteArray& comment)
    {
        samples::SamplePictureRecipe recipe;
        recipe.displaySize = {64, 48};
        recipe.comment = comment;
        return dir.write(QStringLiteral("2004/Img.JPG"), samples::buildSamplePicture(recipe));
    }
    static QByteArray tool(const char* name, const QStringList& args)
    {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(name));
        return program.isEmpty() ? QByteArray() : test::runProgram(program, args).out;
    }

    test::TempDir dir;
};

TEST_F(FileCommentTest, AppendGoesBehindTheWholeComment)
{
    // Longer than what the information views show.
    const QByteArray longComment = QByteArray(1500, 'a') + "tail";
    const QString path = sample(longComment);
    ASSERT_EQ(writeFileComment(path, QStringLiteral("hello"), true, false), FileCommentResult::Written);
    EXPECT_EQ(readFileComment(path), QString::fromLatin1(longComment + "hello"));
}

TEST_F(FileCommentTest, BackupOnlyWhenTheFileChanges)
{
    const QString path = sample("one");
    const QByteArray before = test::readAll(path);
    ListFileComments listFileComments;
    CommentStore store(listFileComments);
    CommentChange change;
    change.toFile = true;
    change.fileText = QStringLiteral("one");
    change.listText = QStringLiteral("listed");
    change.keepOriginal = true;
    EXPECT_EQ(applyCommentChange({path}, change, store).changed, QStringList{path});
    EXPECT_FALSE(QFileInfo::exists(path + QStringLiteral(".original")));
    change.fileText = QStringLiteral("two");
    applyCommentChange({path}, change, store);
    EXPECT_EQ(test::readAll(path + QStringLiteral(".original")), before);
    EXPECT_EQ(readFileComment(path), QStringLiteral("two"));

    // No backup can be made of a write-protected picture: it is left alone.
    const QString locked = dir.write(QStringLiteral("locked/Img.JPG"), before);
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    EXPECT_EQ(applyCommentChange({locked}, change, store).failed, QStringList{locked});
    EXPECT_TRUE(store.get(locked).isEmpty());
    EXPECT_EQ(test::readAll(locked), before);
}

TEST_F(FileCommentTest, CliAppendIsSeenByOtherTools)
{
    SKIP_WITHOUT_CLI();
    for (const char* name : {"djpeg", "rdjpgcom"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(name)).isEmpty())
            SKIP_OR_FAIL(name << " is not available");
    const QString path = sample("one");
    const QByteArray pixelsBefore = tool("djpeg", {path});
    const test::CliRun run = test::runCli({"comment", "-b", dir.path(), "--file", "hello", "--add", path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QByteArray shown = tool("rdjpgcom", {path});
    // rdjpgcom shows the segment's zero terminator as "\000".
    EXPECT_EQ(shown.trimmed(), QByteArray("onehello\\000"));
    EXPECT_EQ(tool("djpeg", {path}), pixelsBefore);
    const QDateTime taken(QDate(2023, 6, 14), QTime(10, 15));
    EXPECT_EQ(QFileInfo(path).lastModified(), taken);
    EXPECT_FALSE(QFileInfo::exists(path + QStringLiteral(".original")));

    const test::CliRun get = test::runCli({"comment", "-b", dir.path(), "--get", path});
    EXPECT_EQ(get.out, QStringLiteral("list: \nfile: onehello\n"));
}

TEST_F(FileCommentTest, CliListLineIsQuotedAndFound)
{
    SKIP_WITHOUT_CLI();
    const QString path = sample({});
    const test::CliRun run = test::runCli({"comment", "-b", dir.path(), "--list", "Sunset \"red\"", path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QByteArray list = test::readAll(dir.file(QStringLiteral("Vistello_LE.txt")));
    EXPECT_TRUE(list.startsWith(kBom + "\"2004/Img.JPG\",\"Sunset \"\"red\"\"\"\r\n")) << list.toStdString();
    EXPECT_TRUE(list.contains("\"" + QFile::encodeName(dir.file(QStringLiteral("2004/"))) + "\"\r\n"));
    const test::CliRun find = test::runCli({"comment", "-b", dir.path(), "--find", "red\"$"});
    EXPECT_EQ(find.out, path + QLatin1Char('\n'));
}

} // namespace

// Operations that rewrite a picture's header run: comments, saved picture
// data, removal; and the file replacement under them. Results are read back
// with the JPEG library's tools and exiftool where they are installed.
#include "app/SampleTools.h"
#include "jpegmeta/MetaFixtures.h"
#include "jpegmeta/rewrite/CommentWrite.h"
#include "jpegmeta/segments/CommentSegment.h"
#include "jpegmeta/segments/HeaderCollector.h"
#include "jpegmeta/segments/HeaderWalk.h"
#include "jpegmeta/segments/PictureData.h"
#include "jpegmeta/segments/PictureDataCommands.h"
#include "platform/FileReplace.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vistello;
using namespace vistello::test::sampletools;
using vistello::test::jpegWith;
using vistello::test::readAll;
using vistello::test::segment;
using vistello::test::TempDir;

namespace {

const QByteArray kSoi("\xFF\xD8", 2);
const QDateTime kOldTime(QDate(2002, 3, 4), QTime(5, 6, 7));

void setTimes(const QString& path, const QDateTime& t)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(t, QFileDevice::FileModificationTime));
    ASSERT_TRUE(f.setFileTime(t, QFileDevice::FileAccessTime));
}

QDateTime modified(const QString& path) { return QFileInfo(path).fileTime(QFileDevice::FileModificationTime); }

QStringList folderEntries(const TempDir& dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

struct EncodeCase {
    const char* name;
    QString text;
    std::optional<int> length; // the COM length field; none: refused
};

class CommentEncoding : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(CommentEncoding, LengthAndUnits)
{
    const std::optional<QByteArray> s = encodeCommentSegment(GetParam().text);
    ASSERT_EQ(s.has_value(), GetParam().length.has_value());
    if (!s || GetParam().text.isEmpty())
        return;
    EXPECT_EQ((uint8_t(s->at(2)) << 8) | uint8_t(s->at(3)), *GetParam().length);
    EXPECT_EQ(s->size(), *GetParam().length + 2);
    EXPECT_EQ(readCommentSegment(s->mid(4)), GetParam().text.left(1023));
}

INSTANTIATE_TEST_SUITE_P(Comments, CommentEncoding, ::testing::Values(
    EncodeCase{"FiveLetters", QStringLiteral("Hello"), 8},
    EncodeCase{"Latin1", QString::fromUtf8("Caf\u00e9"), 5 + 1 + 2},
    EncodeCase{"AboveFF", QString::fromUtf8("a\u20acb"), 5 + 1 + 2},
    EncodeCase{"Empty", QString(), 0},
    EncodeCase{"LongestThreeByte", QString(21844, QChar(0x263A)), 65535},
    EncodeCase{"ThreeByteTooLong", QString(21845, QChar(0x263A)), std::nullopt},
    EncodeCase{"LongestOneByte", QString(65520, QLatin1Char('x')), 65523},
    EncodeCase{"OneByteTooLong", QString(65521, QLatin1Char('x')), std::nullopt}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(Comments, ReadingPayloads)
{
    EXPECT_EQ(readCommentSegment(QByteArray("H\0i\0\0\0", 6)), QStringLiteral("Hi"));
    EXPECT_EQ(readCommentSegment(QByteArray("caf\xE9\0", 5)), QString::fromUtf8("café"));
    EXPECT_EQ(readCommentSegment(QByteArray("caf\xC3\xA9", 5)), QString::fromUtf8("café"));
    EXPECT_EQ(readCommentSegment(QByteArray(3000, 'x')).size(), 1023);
    EXPECT_EQ(readCommentSegment(QByteArray(3000, 'x') + QByteArray(2, '\0')).size(), 1023);
    EXPECT_TRUE(readCommentSegment({}).isEmpty());
}

// What the program writes reads back unchanged, also through another tool.
TEST(Comments, WrittenTextsReadBackUnchanged)
{
    const QString texts[] = {
        QString::fromUtf8("Caf\u00e9 cr\u00e8me \u00e0 \u00bd"), QString::fromUtf8("\u00c3\u00a9 looks like UTF-8"),
        QString::fromUtf8("\u039a\u03b1\u03bb\u03b7\u03bc\u03ad\u03c1\u03b1"), QString::fromUtf8("\u6771\u4eac\u306e\u591c"),
        QString::fromUtf8("Beach \U0001F3D6\uFE0F sunset \U0001F305")};
    const bool withExiftool = toolAvailable(QStringLiteral("exiftool"));
    for (const QString& text : texts) {
        TempDir dir;
        const QString path = dir.write(QStringLiteral("p.jpg"), jpegWith({segment(0xE0, "JFIF")}));
        ASSERT_EQ(writeCommentSegment(path, text), HeaderEditStatus::Done);
        EXPECT_EQ(readCommentSegment(collectHeaderData(path, {.wantComment = true}).comment), text);
        if (withExiftool) {
            const auto run = runTool(QStringLiteral("exiftool"), {QStringLiteral("-s3"), QStringLiteral("-Comment"), path});
            EXPECT_EQ(QString::fromUtf8(run.out).trimmed().split(QLatin1Char('\n')).value(0), text);
        }
    }
}

// APP0, APP1, a first COM, a second COM, DQT...
QByteArray picturewithTwoComments()
{
    return jpegWith({segment(0xE0, "JFIF"), segment(0xE1, "Exif"), segment(0xFE, "old"), segment(0xFE, "second")});
}

TEST(Comments, WriteReplacesTheFirstCommentOnly)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("p.jpg"), picturewithTwoComments());
    setTimes(path, kOldTime);
    ASSERT_EQ(writeCommentSegment(path, QStringLiteral("Hello")), HeaderEditStatus::Done);
    EXPECT_EQ(readAll(path), jpegWith({segment(0xE0, "JFIF"), segment(0xE1, "Exif"),
                                       segment(0xFE, QByteArray("Hello\0", 6)), segment(0xFE, "second")}));
    EXPECT_EQ(modified(path), kOldTime) << "without an EXIF date the file date is kept";

    ASSERT_EQ(writeCommentSegment(path, QString()), HeaderEditStatus::Done);
    EXPECT_EQ(readAll(path), jpegWith({segment(0xE0, "JFIF"), segment(0xE1, "Exif"), segment(0xFE, "second")}));
    EXPECT_EQ(folderEntries(dir), QStringList{QStringLiteral("p.jpg")}) << "no temporary file is left";
}

TEST(Comments, FileDateBecomesTheExifDate)
{
    test::TiffBytes t(true);
    t.directory(8, 1);
    t.entry(8, 0, 0x9003, 2, 20, 100);
    t.putRaw(100, QByteArray("2009:08:07 06:05:04\0", 20));
    TempDir dir;
    const QString path = dir.write(QStringLiteral("p.jpg"), jpegWith({t.app1Segment()}));
    setTimes(path, kOldTime);
    ASSERT_EQ(writeCommentSegment(path, QStringLiteral("x")), HeaderEditStatus::Done);
    EXPECT_EQ(modified(path), QDateTime(QDate(2009, 8, 7), QTime(6, 5, 4)));
}

struct RefusalCase {
    const char* name;
    QByteArray file;
    QString text;
    HeaderEditStatus status;
};

class CommentRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(CommentRefusal, PictureStaysUntouched)
{
    TempDir dir;
    const RefusalCase& c = GetParam();
    const QString path = dir.write(QStringLiteral("p.jpg"), c.file);
    EXPECT_EQ(writeCommentSegment(path, c.text), c.status);
    EXPECT_EQ(readAll(path), c.file);
    EXPECT_EQ(folderEntries(dir), QStringList{QStringLiteral("p.jpg")});
}

INSTANTIATE_TEST_SUITE_P(Comments, CommentRefusal, ::testing::Values(
    RefusalCase{"TooLong", picturewithTwoComments(), QString(40000, QChar(0x263A)), HeaderEditStatus::CommentTooLong},
    RefusalCase{"NoHeaderEnd", kSoi + segment(0xE1, "Exif"), QStringLiteral("x"), HeaderEditStatus::NoHeaderEnd},
    RefusalCase{"ShortSegment", kSoi + test::segmentHead(0xE0, 1) + "\xFF\xDB\0\x03x", QStringLiteral("x"), HeaderEditStatus::MalformedRun},
    RefusalCase{"NotAJpeg", QByteArray("\x89PNG\r\n\x1a\n") + test::plainJpeg(), QStringLiteral("x"), HeaderEditStatus::NotJpeg}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(Comments, ReadBackByOtherTools)
{
    SKIP_WITHOUT_TOOL("rdjpgcom");
    SKIP_WITHOUT_TOOL("djpeg");
    TempDir dir;
    const QString path = dir.write(QStringLiteral("p.jpg"), picturewithTwoComments());
    const ToolRun before = runTool(QStringLiteral("djpeg"), {QStringLiteral("-pnm"), path});
    ASSERT_EQ(before.exitCode, 0);
    ASSERT_EQ(writeCommentSegment(path, QString::fromUtf8("Summer café")), HeaderEditStatus::Done);

    const ToolRun comments = runTool(QStringLiteral("rdjpgcom"), {path});
    EXPECT_TRUE(comments.out.startsWith("Summer caf")) << comments.out.constData();
    EXPECT_TRUE(comments.out.contains("second"));
    EXPECT_EQ(runTool(QStringLiteral("djpeg"), {QStringLiteral("-pnm"), path}).out, before.out);
    if (toolAvailable(QStringLiteral("exiftool"))) {
        const ToolRun exif = runTool(QStringLiteral("exiftool"), {QStringLiteral("-b"), QStringLiteral("-Comment"), path});
        EXPECT_EQ(exif.out.left(12), QByteArray("Summer caf\xC3\xA9")); // UTF-8
    }
}

TEST(PictureData, SaveLoadRemove)
{
    TempDir dir;
    const QByteArray run = segment(0xE1, "Exif\0\0MM") + segment(0xE2, "ICC_PROFILE") + segment(0xFE, "c");
    const QString source = dir.write(QStringLiteral("a.jpg"), kSoi + run + test::plainJpeg().mid(2));
    const QString other = dir.write(QStringLiteral("b.jpg"), jpegWith({segment(0xE0, "JFIF"), segment(0xED, "x")}));
    setTimes(other, kOldTime);

    ASSERT_EQ(savePictureData(source, dir.file(QStringLiteral("a.app"))), HeaderEditStatus::Done);
    EXPECT_EQ(readAll(dir.file(QStringLiteral("a.app"))), run);

    ASSERT_EQ(loadPictureData(other, dir.file(QStringLiteral("a.app"))), HeaderEditStatus::Done);
    EXPECT_EQ(readAll(other), kSoi + run + test::plainJpeg().mid(2));
    EXPECT_EQ(modified(other), kOldTime);

    ASSERT_EQ(removePictureData(other), HeaderEditStatus::Done);
    EXPECT_EQ(readAll(other), kSoi + plainJfifSegment() + test::plainJpeg().mid(2));
    EXPECT_EQ(modified(other), kOldTime);
}

TEST(PictureData, PictureWithoutHeaderSegments)
{
    TempDir dir;
    const QString bare = dir.write(QStringLiteral("bare.jpg"), test::plainJpeg());
    ASSERT_EQ(savePictureData(bare, dir.file(QStringLiteral("bare.app"))), HeaderEditStatus::Done);
    EXPECT_TRUE(readAll(dir.file(QStringLiteral("bare.app"))).isEmpty());

    const QByteArray run = segment(0xFE, "loaded");
    const QString app = dir.write(QStringLiteral("x.app"), run);
    ASSERT_EQ(loadPictureData(bare, app), HeaderEditStatus::Done);
    EXPECT_EQ(readAll(bare), kSoi + run + test::plainJpeg().mid(2));
}

TEST(PictureData, InvalidPictureDataIsRefused)
{
    TempDir dir;
    const QByteArray original = jpegWith({segment(0xE0, "JFIF")});
    const QString picture = dir.write(QStringLiteral("p.jpg"), original);
    for (const QByteArray& bad : {QByteArray("not segments"), segment(0xE1, "abc").chopped(1),
                                  segment(0xE1, "abc") + segment(0xDB, "q"), kSoi + segment(0xE1, "x")}) {
        const QString app = dir.write(QStringLiteral("bad.app"), bad);
        EXPECT_EQ(loadPictureData(picture, app), HeaderEditStatus::InvalidPictureData);
        EXPECT_EQ(readAll(picture), original);
    }
    EXPECT_EQ(loadPictureData(picture, dir.file(QStringLiteral("missing.app"))), HeaderEditStatus::CannotOpen);
    const QString truncated = dir.write(QStringLiteral("t.jpg"), kSoi + segment(0xE1, "abc"));
    EXPECT_EQ(removePictureData(truncated), HeaderEditStatus::NoHeaderEnd);
    EXPECT_EQ(savePictureData(truncated, dir.file(QStringLiteral("t.app"))), HeaderEditStatus::NoHeaderEnd);
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("t.app"))));
}

TEST(PictureData, CommandsAskFirst)
{
    TempDir dir;
    const QByteArray original = jpegWith({segment(0xE1, "Exif")});
    const QString picture = dir.write(QStringLiteral("IMG_1.JPG"), original);
    EXPECT_EQ(defaultPictureDataPath(picture), dir.file(QStringLiteral("IMG_1.app")));

    ScriptedPrompts prompts;
    PresetHeaderUi ui(prompts);
    EXPECT_EQ(runRemovePictureData(ui, picture), HeaderEditStatus::Cancelled) << "the answer is No";
    ui.backupSucceeds = false;
    prompts.queueAnswer(QStringLiteral("yes"));
    EXPECT_EQ(runRemovePictureData(ui, picture), HeaderEditStatus::Cancelled);
    EXPECT_EQ(runLoadPictureData(ui, picture), HeaderEditStatus::Cancelled);
    EXPECT_EQ(readAll(picture), original);
    EXPECT_EQ(ui.changes, 0);

    ui.backupSucceeds = true;
    EXPECT_EQ(runSavePictureData(ui, picture), HeaderEditStatus::Cancelled) << "no path chosen";
    const QString chosen = dir.file(QStringLiteral("chosen.app"));
    prompts.queueAnswer(chosen);
    EXPECT_EQ(runSavePictureData(ui, picture), HeaderEditStatus::Done);
    prompts.queueAnswer(QStringLiteral("yes"));
    EXPECT_EQ(runRemovePictureData(ui, picture), HeaderEditStatus::Done);
    EXPECT_EQ(ui.changes, 1);
    prompts.queueAnswer(chosen);
    EXPECT_EQ(runLoadPictureData(ui, picture), HeaderEditStatus::Done);
    EXPECT_EQ(readAll(picture), original);
    EXPECT_EQ(prompts.pendingAnswers(), 0);
}

TEST(FileReplace, KeepsModeTimesAndLinks)
{
    TempDir dir;
    const QString target = dir.write(QStringLiteral("real.jpg"), "old");
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0640), 0);
    setTimes(target, kOldTime);
    const QString link = dir.file(QStringLiteral("link.jpg"));
    ASSERT_TRUE(QFile::link(target, link));

    ASSERT_TRUE(replaceFileKeepingTimes(link, QByteArray("new contents")));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    struct stat st{};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(modified(target), kOldTime);
    EXPECT_EQ(QFileInfo(target).fileTime(QFileDevice::FileAccessTime), kOldTime);
    EXPECT_EQ(readAll(target), QByteArray("new contents"));

    const QDateTime date(QDate(2011, 1, 1), QTime(12, 0));
    ASSERT_TRUE(replaceFileKeepingTimes(target, QByteArray("newer"), nullptr, date));
    EXPECT_EQ(modified(target), date);
}

TEST(FileReplace, FailureLeavesThePictureAlone)
{
    TempDir dir;
    const QString target = dir.write(QStringLiteral("p.jpg"), "precious");
    QString error;
    EXPECT_FALSE(replaceFileKeepingTimes(target, [](QIODevice& out) { out.write("half"); return false; }, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readAll(target), QByteArray("precious"));
    EXPECT_EQ(folderEntries(dir), QStringList{QStringLiteral("p.jpg")});
    EXPECT_FALSE(replaceFileKeepingTimes(dir.file(QStringLiteral("missing.jpg")), QByteArray("x")));
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("missing.jpg"))));

    // A folder that cannot take the temporary file (root may write anyway).
    if (::geteuid() != 0) {
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0500), 0);
        EXPECT_FALSE(replaceFileKeepingTimes(target, QByteArray("x")));
        ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
        EXPECT_EQ(readAll(target), QByteArray("precious"));
    }
}

} // namespace

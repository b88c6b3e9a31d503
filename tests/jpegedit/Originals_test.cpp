// Originals and copies: the ".original" backup, restoring it, copy names.
#include "jpegedit/originals/CopyName.h"
#include "jpegedit/originals/OriginalBackup.h"
#include "jpegedit/originals/PrepareForChange.h"
#include "platform/WriteProtection.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace vistello {
namespace {

using test::TempDir;

QStringList entriesOf(const TempDir& dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

struct CopyCase {
    const char* picture;
    std::vector<const char*> existing;
    const char* expected;
};

TEST(CopyNames, firstFreeName)
{
    const CopyCase cases[] = {
        {"IMG_0001.JPG", {}, "Copy of IMG_0001.JPG"},
        {"IMG_0001.JPG", {"Copy of IMG_0001.JPG"}, "Copy (2) of IMG_0001.JPG"},
        {"X.jpg", {"Copy of X.jpg", "Copy (2) of X.jpg"}, "Copy (3) of X.jpg"},
        {"Copy of IMG_0001.JPG", {}, "Copy (2) of IMG_0001.JPG"},
        {"Copy (7) of IMG_0001.JPG", {}, "Copy (8) of IMG_0001.JPG"},
        {"Copy (12) of X.jpg", {}, "Copy (13) of X.jpg"},
        {"copy (7) of x.jpg", {}, "Copy (8) of x.jpg"},
        {"COPY OF x.jpg", {}, "Copy (2) of x.jpg"},
        // Not numbered copies: the digits are not a counter.
        {"Copy () of IMG_0001.JPG", {}, "Copy of Copy () of IMG_0001.JPG"},
        {"Copy (x) of 12.jpg", {}, "Copy of Copy (x) of 12.jpg"},
        {"Copy (3)of X.jpg", {}, "Copy of Copy (3)of X.jpg"},
        {"IMG Copy (3) of X.jpg", {}, "Copy of IMG Copy (3) of X.jpg"},
    };
    for (const CopyCase& c : cases) {
        TempDir dir;
        const QString picture = dir.write(QString::fromUtf8(c.picture), "x");
        for (const char* e : c.existing)
            dir.write(QString::fromUtf8(e), "y");
        EXPECT_EQ(makeCopyName(picture, true), dir.file(QString::fromUtf8(c.expected))) << c.picture;
    }
}

TEST(CopyNames, copyIsMadeWritable)
{
    TempDir dir;
    const QString picture = dir.write(QStringLiteral("a.jpg"), "bytes");
    ::chmod(QFile::encodeName(picture).constData(), 0444);
    const QString copy = makeCopyName(picture, false);
    ASSERT_EQ(copy, dir.file(QStringLiteral("Copy of a.jpg")));
    EXPECT_EQ(test::readAll(copy), QByteArray("bytes"));
    EXPECT_FALSE(isWriteProtected(copy));
}

TEST(OriginalBackup, keepsTheFileBeforeTheFirstChange)
{
    TempDir dir;
    const QString picture = dir.write(QStringLiteral("p.jpg"), "first");
    ASSERT_TRUE(makeOriginalBackup(picture));
    dir.write(QStringLiteral("p.jpg"), "second");
    ASSERT_TRUE(makeOriginalBackup(picture));
    EXPECT_EQ(test::readAll(originalBackupPath(picture)), QByteArray("first"));
}

TEST(OriginalBackup, writeProtectedPictureGetsNoBackup)
{
    TempDir dir;
    const QString picture = dir.write(QStringLiteral("p.jpg"), "bytes");
    ::chmod(QFile::encodeName(picture).constData(), 0444);
    EXPECT_TRUE(isWriteProtected(picture));
    EXPECT_FALSE(makeOriginalBackup(picture));
    EXPECT_FALSE(prepareForChange(picture, false, true));
    EXPECT_EQ(entriesOf(dir), QStringList{"p.jpg"});
}

// A copy interrupted by a full disk leaves no ".original" that would be trusted later.
TEST(OriginalBackup, interruptedCopyLeavesNoBackup)
{
    TempDir dir;
    const QString picture = dir.write(QStringLiteral("p.jpg"), QByteArray(100000, 'a'));
    FileSteps steps = realFileSteps();
    steps.copyInto = [](const QString&, QIODevice& to) {
        to.write(QByteArray(5000, 'a'));
        return false;
    };
    EXPECT_FALSE(makeOriginalBackup(picture, steps));
    EXPECT_FALSE(prepareForChange(picture, false, true, steps));
    EXPECT_EQ(entriesOf(dir), QStringList{"p.jpg"});
    EXPECT_EQ(test::readAll(picture), QByteArray(100000, 'a'));
    // The next try starts afresh.
    EXPECT_TRUE(makeOriginalBackup(picture));
    EXPECT_EQ(test::readAll(originalBackupPath(picture)), QByteArray(100000, 'a'));
}

TEST(OriginalBackup, restoreMovesTheBackupBack)
{
    TempDir dir;
    const QString picture = dir.write(QStringLiteral("p.jpg"), "old");
    ASSERT_TRUE(makeOriginalBackup(picture));
    dir.write(QStringLiteral("p.jpg"), "changed");
    EXPECT_TRUE(restoreOriginal(picture));
    EXPECT_EQ(test::readAll(picture), QByteArray("old"));
    EXPECT_FALSE(QFile::exists(originalBackupPath(picture)));
    EXPECT_FALSE(restoreOriginal(picture)); // nothing left to restore
}

TEST(OriginalBackup, restoreWhenThePictureIsGone)
{
    TempDir dir;
    const QString picture = dir.write(QStringLiteral("p.jpg"), "old");
    ASSERT_TRUE(makeOriginalBackup(picture));
    QFile::remove(picture);
    EXPECT_TRUE(restoreOriginal(picture));
    EXPECT_EQ(test::readAll(picture), QByteArray("old"));
}

TEST(OriginalBackup, restoreRefusesAWriteProtectedPicture)
{
    TempDir dir;
    const QString picture = dir.write(QStringLiteral("p.jpg"), "old");
    ASSERT_TRUE(makeOriginalBackup(picture));
    ::chmod(QFile::encodeName(picture).constData(), 0444);
    EXPECT_FALSE(restoreOriginal(picture));
    EXPECT_TRUE(QFile::exists(originalBackupPath(picture)));
}

TEST(PrepareForChange, copyOrBackupOrNothing)
{
    TempDir dir;
    const QString picture = dir.write(QStringLiteral("p.jpg"), "bytes");
    const auto copy = prepareForChange(picture, true, true);
    ASSERT_TRUE(copy);
    EXPECT_TRUE(copy->isCopy);
    EXPECT_EQ(copy->path, dir.file(QStringLiteral("Copy of p.jpg")));
    EXPECT_FALSE(QFile::exists(originalBackupPath(picture)));
    const auto same = prepareForChange(picture, false, false);
    ASSERT_TRUE(same);
    EXPECT_EQ(same->path, picture);
    EXPECT_FALSE(QFile::exists(originalBackupPath(picture)));
    ASSERT_TRUE(prepareForChange(picture, false, true));
    EXPECT_EQ(test::readAll(originalBackupPath(picture)), QByteArray("bytes"));
}

} // namespace
} // namespace vistello

// The two ways of writing a file: a new file never replaces one that appeared
// while it was written, a replacement keeps the old file's dates, and a
// failed write leaves the old file and no temporary file behind. Dates are
// read back with stat(1).
#include "app/SampleTools.h"
#include "jpegedit/originals/FileSteps.h"
#include "platform/FileReplace.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

namespace vistello {
namespace {

using test::TempDir;
using test::readAll;

QString modificationSeconds(const QString& path)
{
    return QString::fromUtf8(test::sampletools::runTool("stat", {"-c", "%Y", path}).out.trimmed());
}

void setModificationSeconds(const QString& path, time_t seconds)
{
    const utimbuf times{seconds, seconds};
    ASSERT_EQ(::utime(QFile::encodeName(path).constData(), &times), 0);
}

QStringList folderEntries(const TempDir& dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(FileWrite, aNewFileNeverReplacesOneThatAppearedMeanwhile)
{
    TempDir dir;
    const QString target = dir.file("new.jpg");
    QString error;
    const bool written = createNewFile(
        target,
        [&](QIODevice& out) {
            dir.write("new.jpg", "someone else's"); // between the check and the rename
            return out.write("ours") == 4;
        },
        &error);
    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readAll(target), "someone else's");
    EXPECT_EQ(folderEntries(dir), QStringList{"new.jpg"});

    EXPECT_FALSE(createNewFile(target, QByteArray("ours")));
    EXPECT_EQ(readAll(target), "someone else's");
    ASSERT_TRUE(createNewFile(dir.file("free.jpg"), QByteArray("ours")));
    EXPECT_EQ(readAll(dir.file("free.jpg")), "ours");
}

// The picture edits' "new file" step (copies of turned pictures) replaced
// what took the name while it wrote.
TEST(FileWrite, theEditsNewFileStepNeverReplacesEither)
{
    TempDir dir;
    const QString target = dir.file("copy.jpg");
    const bool written = realFileSteps().create(target, [&](QIODevice& out) {
        dir.write("copy.jpg", "someone else's");
        return out.write("ours") == 4;
    });
    EXPECT_FALSE(written);
    EXPECT_EQ(readAll(target), "someone else's");
    EXPECT_EQ(folderEntries(dir), QStringList{"copy.jpg"});
}

TEST(FileWrite, aReplacementKeepsTheModificationTime)
{
    SKIP_WITHOUT_TOOL("stat");
    TempDir dir;
    const QString target = dir.write("picture.jpg", "old");
    setModificationSeconds(target, 1000000000);
    const QString before = modificationSeconds(target);
    ASSERT_EQ(before, "1000000000");
    ASSERT_TRUE(replaceFileKeepingTimes(target, QByteArray("new")));
    EXPECT_EQ(readAll(target), "new");
    EXPECT_EQ(modificationSeconds(target), before);

    // A new file given the dates of a picture it copies keeps them too.
    NewFileAttributes attributes;
    attributes.modificationTime = timespec{1000000000, 0};
    ASSERT_TRUE(createNewFile(dir.file("copy.jpg"), QByteArray("copy"), nullptr, attributes));
    EXPECT_EQ(modificationSeconds(dir.file("copy.jpg")), before);
}

TEST(FileWrite, aFailedWriteLeavesTheOldFileAndNoTemporaryFile)
{
    TempDir dir;
    const QString target = dir.write("picture.jpg", "old");
    const auto failing = [](QIODevice& out) {
        out.write("half");
        return false;
    };
    EXPECT_FALSE(replaceFileKeepingTimes(target, failing));
    EXPECT_FALSE(createNewFile(dir.file("other.jpg"), failing));
    EXPECT_EQ(readAll(target), "old");
    EXPECT_EQ(folderEntries(dir), QStringList{"picture.jpg"});
}

} // namespace
} // namespace vistello

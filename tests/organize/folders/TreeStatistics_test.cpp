// The recursive statistics of the Properties dialog and the tree's short
// texts, checked against find(1) and stat(1) over the same folder.
#include "core/filetypes/PictureFileTypes.h"
#include "organize/folders/TreeStatistics.h"
#include "organize/folders/TreeStatisticsJob.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

namespace vistello {
namespace {

using test::TempDir;

class TreeStatisticsTest : public testing::Test {
protected:
    void SetUp() override
    {
        PictureFileTypes::instance().clear();
        PictureFileTypes::instance().registerBuiltIns(false, nullptr);
    }
    // Pictures, other files, nested folders, a link back to the top and a
    // FIFO named like a picture.
    static void makeTree(const TempDir& dir)
    {
        dir.write(QStringLiteral("a.jpg"), QByteArray(1000, 'a'));
        dir.write(QStringLiteral("B.JPEG"), QByteArray(1500, 'b'));
        dir.write(QStringLiteral("notes.txt"), QByteArray(3000, 'n'));
        dir.write(QStringLiteral("sub/c.thm"), QByteArray(2000, 'c'));
        dir.write(QStringLiteral("sub/deeper/d.bmp"), QByteArray(600, 'd'));
        dir.write(QStringLiteral("sub/deeper/.e.jpe"), QByteArray(511, 'e'));
        ASSERT_TRUE(QDir().mkpath(dir.file("empty")));
        ASSERT_TRUE(QFile::link(dir.path(), dir.file("sub/loop")));
        ASSERT_TRUE(QFile::link(dir.file("a.jpg"), dir.file("sub/again.jpg")));
        ASSERT_EQ(::mkfifo(QFile::encodeName(dir.file("sub/x.jpg")).constData(), 0600), 0);
    }
};

// find's regular files on this file system: {pictures, kB, others, kB}.
std::array<qint64, 4> foundByFind(const QString& folder)
{
    const test::ProcessRun run = test::runProgram(
        QStringLiteral("find"), {folder, QStringLiteral("-xdev"), QStringLiteral("-type"), QStringLiteral("f"),
                                 QStringLiteral("-printf"), QStringLiteral("%s %f\\n")});
    std::array<qint64, 4> sums{};
    for (const QByteArray& line : run.out.split('\n')) {
        if (line.isEmpty())
            continue;
        const qsizetype blank = line.indexOf(' ');
        const QString name = QString::fromUtf8(line.mid(blank + 1)).toLower();
        const bool picture = name.endsWith(".jpg") || name.endsWith(".jpeg") || name.endsWith(".jpe") || name.endsWith(".thm");
        sums[picture ? 0 : 2] += 1;
        sums[picture ? 1 : 3] += (line.left(blank).toLongLong() + 512) / 1024;
    }
    return sums;
}

// The scan once followed the link back to the top and opened the FIFO; a
// link to a picture counted it twice.
TEST_F(TreeStatisticsTest, CountsLikeFindWithoutLinksOrFifos)
{
    TempDir dir;
    makeTree(dir);
    TreeStatistics stats;
    int reports = 0;
    ASSERT_TRUE(scanTreeStatistics(dir.path(), stats, nullptr, [&](const TreeStatistics&) { ++reports; }));
    const auto found = foundByFind(dir.path());
    EXPECT_EQ(stats.pictureCount, found[0]);
    EXPECT_EQ(stats.pictureKilobytes, found[1]);
    EXPECT_EQ(stats.otherCount, found[2]);
    EXPECT_EQ(stats.otherKilobytes, found[3]);
    EXPECT_EQ(stats.pictureCount, 4);     // x.jpg is a FIFO
    EXPECT_EQ(stats.pictureKilobytes, 4); // 1 + 1 + 2 + 0: each to the nearest kilobyte
    EXPECT_EQ(stats.folderCount, 3);      // sub, sub/deeper, empty; not the link
    EXPECT_EQ(reports, 3);
}

// The job reports on the receiver's thread, after every folder and once at the end.
TEST_F(TreeStatisticsTest, TheJobReportsQueuedAndStops)
{
    TempDir dir;
    makeTree(dir);
    for (const bool stopAtOnce : {false, true}) {
        QObject receiver;
        QList<int> folders;
        std::optional<std::pair<TreeStatistics, bool>> end;
        TreeStatisticsJob job(dir.path());
        QObject::connect(&job, &TreeStatisticsJob::progressed, &receiver,
                         [&](const TreeStatistics& s) { folders << s.folderCount; });
        QObject::connect(&job, &TreeStatisticsJob::finished, &receiver,
                         [&](const TreeStatistics& s, bool complete) { end = {s, complete}; });
        job.start();
        if (stopAtOnce)
            job.stop(-1);
        while (!end)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (!stopAtOnce) {
            EXPECT_EQ(folders, QList<int>({1, 2, 3}));
            EXPECT_TRUE(end->second);
            EXPECT_EQ(end->first.pictureCount, 4);
        } else if (end->second) { // the walk may end before the stop arrives; never a partial "complete"
            EXPECT_EQ(end->first.folderCount, 3);
        }
    }
}

// The walk entered every mount below the folder (/proc and /sys below "/").
// /dev holds its own mounts (pts, shm): they are counted, not entered.
TEST_F(TreeStatisticsTest, StaysOnTheFolderFileSystem)
{
    // A folder inside the shm mount, which the walk of /dev must not meet.
    QTemporaryDir inShm(QStringLiteral("/dev/shm/vistello-XXXXXX"));
    QStringList walked;
    scanFolder(QStringLiteral("/dev"), true, [&](const ScanEntry& e) {
        if (e.isFolder)
            walked << e.path.chopped(1);
        return true;
    }, true);
    QStringList found = QString::fromUtf8(test::runProgram(QStringLiteral("find"), {"/dev", "-xdev", "-mindepth", "1", "-type", "d"}).out)
                            .split(u'\n', Qt::SkipEmptyParts);
    if (found.isEmpty())
        GTEST_SKIP() << "find cannot list /dev";
    walked.sort();
    found.sort();
    EXPECT_EQ(walked, found);
    if (inShm.isValid())
        EXPECT_FALSE(walked.contains(inShm.path()));
}

TEST_F(TreeStatisticsTest, CopyTextAndTreeTexts)
{
    TreeStatistics stats{.pictureCount = 3, .pictureKilobytes = 4, .otherCount = 2, .otherKilobytes = 2048, .folderCount = 7};
    const DriveSpace drive{.valid = true, .root = QStringLiteral("/media/card"), .totalKilobytes = 2000000, .freeKilobytes = 999};
    EXPECT_EQ(propertiesCopyText(drive, QStringLiteral("/media/card/DCIM/"), stats),
              QStringLiteral("[Drive /media/card]\r\nSize: 1.91 GB\r\nFree: 999 KB\r\n\r\n[/media/card/DCIM/]\r\n"
                             "Pictures: 3    Average picture size: 1 KB\r\nSize: 4 KB\r\n\r\n"
                             "Other objects: 2\r\nSize: 2.0 MB\r\n\r\nFolders: 7\r\n"));
    EXPECT_TRUE(propertiesCopyText(drive, QStringLiteral("/x/"), TreeStatistics{})
                    .contains(QStringLiteral("Pictures: 0    Average picture size: \r\n")));

    EXPECT_EQ(folderInfoText({.pictureCount = 3, .totalKilobytes = 4}), QStringLiteral("(3) (4 KB)"));
    EXPECT_EQ(folderInfoText({}), QString());
    EXPECT_EQ(countInfoText(5), QStringLiteral("(5)"));
    EXPECT_EQ(countInfoText(0), QString());

    const FolderStatistics folder{.pictureCount = 2, .totalKilobytes = 6000, .averageKilobytes = 3000};
    EXPECT_EQ(driveLine(drive, folder), QStringLiteral("Drive \"/media/card\", 999 KB ~ 0 pictures\nAverage picture size: 2.9 MB"));
    const DriveSpace roomy{.valid = true, .root = QStringLiteral("/"), .totalKilobytes = 9000000, .freeKilobytes = 1200000};
    EXPECT_EQ(driveLine(roomy, folder),
              QStringLiteral("Drive \"/\", 1.14 GB ~ 400 pictures\nAverage picture size: 2.9 MB"));
    EXPECT_EQ(driveLine(roomy, {}), QStringLiteral("Drive \"/\", 1.14 GB"));
    EXPECT_EQ(driveLine(DriveSpace{}, folder), QStringLiteral("Average picture size: 2.9 MB"));
}

TEST_F(TreeStatisticsTest, DriveSpaceIsWhatStatSees)
{
    TempDir dir;
    const test::ProcessRun run = test::runProgram(QStringLiteral("stat"), {QStringLiteral("-f"), QStringLiteral("-c"),
                                                                         QStringLiteral("%S %b %a"), dir.path()});
    const QList<QByteArray> fields = run.out.trimmed().split(' ');
    ASSERT_EQ(fields.size(), 3);
    const qint64 block = fields[0].toLongLong();
    const DriveSpace drive = driveSpaceOf(dir.path());
    ASSERT_TRUE(drive.valid);
    EXPECT_EQ(drive.totalKilobytes, fields[1].toLongLong() * block / 1024);
    // Free space moves while other programs write; a few megabytes of slack.
    EXPECT_NEAR(double(drive.freeKilobytes), double(fields[2].toLongLong() * block / 1024), 64.0 * 1024);
}

} // namespace
} // namespace vistello

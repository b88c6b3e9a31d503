// The picture search: names against find and grep -P, dates against
// exiftool, the modes, the stored times, the drives scanned when no folder
// is given, and stopping the job.
#include "app/samples/SamplePicture.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PathCollation.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/BuiltInFormats.h"
#include "organize/search/PictureSearch.h"
#include "organize/search/SearchJob.h"
#include "organize/search/SearchRoots.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <chrono>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

using namespace vistello;

namespace {

QString tool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

QByteArray picture(const QByteArray& dateTaken, const QByteArray& comment = {})
{
    samples::SamplePictureRecipe recipe;
    recipe.displaySize = {32, 24};
    recipe.thumbnail = false;
    recipe.dateTaken = dateTaken;
    recipe.comment = comment;
    return samples::buildSamplePicture(recipe);
}

class SearchTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    }
    test::TempDir dir;
};

TEST_F(SearchTest, NamesAgreeWithFindAndGrep)
{
    SKIP_WITHOUT_CLI();
    if (tool("find").isEmpty() || tool("grep").isEmpty())
        SKIP_OR_FAIL("find or grep is missing");
    for (const char* name : {"IMG_0001.JPG", "a/img_0002.jpeg", "a/b/Img 3.thm", "My_IMG.jpg", "img_note.txt",
                             "a/b/c/IMGX.JPE", "a/imgless/other.jpg", "image.jpg"})
        dir.write(QString::fromLatin1(name), "x");
    // Neither a loop of folders nor a FIFO with a picture's name may hang the scan.
    ASSERT_TRUE(QFile::link(dir.file(QStringLiteral("a")), dir.file(QStringLiteral("a/b/loop"))));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.file(QStringLiteral("a/img_fifo.jpg"))).constData(), 0600), 0);

    const test::ProcessRun found = test::runProgram(
        QStringLiteral("sh"), {"-c", "find \"$0\" -type f -printf '%f\\t%p\\n' | grep -Pi '^img'", dir.path()});
    QStringList expected;
    for (const QByteArray& line : found.out.split('\n'))
        if (const QString path = QString::fromUtf8(line.mid(line.indexOf('\t') + 1));
            !line.isEmpty() && PictureFileTypes::instance().isPictureFile(path))
            expected.append(QDir::cleanPath(path));
    sortPaths(expected);
    ASSERT_EQ(expected.size(), 4);

    const test::CliRun run = test::runCli({"search", "--name", "^img", dir.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
    EXPECT_EQ(run.err, QStringLiteral("7 pictures scanned\n"));
}

TEST_F(SearchTest, DatesAgreeWithExiftool)
{
    SKIP_WITHOUT_CLI();
    if (tool("exiftool").isEmpty())
        SKIP_OR_FAIL("exiftool is missing");
    const char* const dates[] = {"2003:12:31 23:59:59", "2004:01:01 00:00:00", "2004:01:01 23:59:59",
                                 "2004:01:02 00:00:00", "2004:01:02 00:00:01", "2004:06:01 12:00:00"};
    for (int i = 0; i < 6; ++i)
        dir.write(QStringLiteral("d%1/p%2.jpg").arg(i % 2).arg(i), picture(dates[i]));
    dir.write(QStringLiteral("undated.jpg"), "not a picture");

    const test::ProcessRun exif = test::runProgram(
        QStringLiteral("env"), {"TZ=UTC", tool("exiftool"), "-q", "-r", "-T", "-Directory", "-FileName",
                                "-DateTimeOriginal", "-d", "%Y-%m-%d %H:%M:%S", dir.path()});
    ASSERT_EQ(exif.exitCode, 0);
    QStringList expected;
    for (const QByteArray& line : exif.out.split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        // The last day counts up to and including the next midnight.
        if (fields.size() == 3 && fields[2] >= "2004-01-01 00:00:00" && fields[2] <= "2004-01-02 00:00:00")
            expected.append(QDir::cleanPath(QString::fromUtf8(fields[0] + '/' + fields[1])));
    }
    sortPaths(expected);
    ASSERT_EQ(expected.size(), 3);

    const test::CliRun run = test::runCli({"search", "--from", "2004-01-01", "--to", "2004-01-01", dir.path()});
    EXPECT_EQ(run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
}

TEST_F(SearchTest, ModesAddAndNarrowTheResults)
{
    const QString a = dir.write(QStringLiteral("a.jpg"), picture("2004:01:01 10:00:00", "beach"));
    const QString b = dir.write(QStringLiteral("sub/b.jpg"), picture("2004:01:01 10:00:00", "mountain"));
    const std::atomic<bool> stop{false};
    SearchSettings s;
    s.folders = dir.path();
    s.useFileComment = true;
    s.fileComment = QStringLiteral("BEACH|mount");
    s.mode = SearchMode::Add;
    const SearchOutcome first = runPictureSearch(s, {}, nullptr, stop);
    EXPECT_TRUE(first.finished);
    EXPECT_EQ(first.results, (QStringList{a, b}));
    EXPECT_EQ(runPictureSearch(s, first.results, nullptr, stop).results, first.results); // no duplicates

    s.mode = SearchMode::WithinResults;
    s.fileComment = QStringLiteral("^beach$");
    EXPECT_EQ(runPictureSearch(s, first.results, nullptr, stop).results, QStringList{a});
}

TEST_F(SearchTest, LongCommentMatchesToItsEnd)
{
    // 10,000 alternations deep: more than the matcher's default stack holds.
    QByteArray comment;
    for (int i = 0; i < 10000; ++i)
        comment += i % 2 ? 'b' : 'a';
    const QString hit = dir.write(QStringLiteral("hit.jpg"), picture("2004:01:01 10:00:00", comment + 'c'));
    dir.write(QStringLiteral("miss.jpg"), picture("2004:01:01 10:00:00", comment + 'd'));
    const std::atomic<bool> stop{false};
    SearchSettings s;
    s.folders = dir.path();
    s.useFileComment = true;
    s.fileComment = QStringLiteral("(a|b)*c");
    EXPECT_EQ(runPictureSearch(s, {}, nullptr, stop).results, QStringList{hit});
}

TEST(SearchSettings, StoredTimesCombineUnsigned)
{
    EXPECT_EQ(fileTimeOfDay(QDate(2004, 1, 1)), 127173888000000000ull);
    // A low half above 2^31 is stored as a negative number.
    const uint64_t day = 0x01C3D1A2B3C4D5E6ull;
    EXPECT_LT(lowHalf(day), 0);
    EXPECT_EQ(fileTimeFromHalves(lowHalf(day), highHalf(day)), day);
    EXPECT_EQ(fileTimeFromHalves(-1, 0), 0xFFFFFFFFull);

    test::TempDir dir;
    SettingsStore store(dir.path());
    SearchSettings s;
    s.firstDay = day;
    s.lastDay = fileTimeOfDay(QDate(2038, 1, 19));
    s.mode = SearchMode::WithinResults;
    storeSearchSettings(store, s);
    const SearchSettings back = readSearchSettings(store, QString());
    EXPECT_EQ(back.firstDay, s.firstDay);
    EXPECT_EQ(back.lastDay, s.lastDay);
    EXPECT_EQ(back.mode, SearchMode::WithinResults);
}

TEST(SearchRoots, AllDrivesAreTheLocalDiskMounts)
{
    const std::vector<std::pair<QString, QString>> mounts = {
        {"/", "ext4"},           {"/proc", "proc"},        {"/sys", "sysfs"},         {"/dev", "devtmpfs"},
        {"/dev/shm", "tmpfs"},   {"/run", "tmpfs"},        {"/home", "btrfs"},        {"/mnt/nas", "nfs4"},
        {"/mnt/share", "cifs"},  {"/mnt/ssh", "fuse.sshfs"}, {"/media/usb", "vfat"},  {"/run/user/1000/doc", "fuse"},
        {"/sys/fs/cgroup", "cgroup2"}, {"/snap/core/1", "squashfs"},
    };
    EXPECT_EQ(localMountPoints(mounts), (QStringList{"/", "/home/", "/media/usb/"}));

    const std::vector<SearchRoot> given = searchRoots(QStringLiteral("/a;;/b/"));
    ASSERT_EQ(given.size(), 2u);
    EXPECT_EQ(given[0].folder, QStringLiteral("/a/"));
    EXPECT_FALSE(given[0].oneFileSystem);
    for (const SearchRoot& root : searchRoots(QString()))
        EXPECT_TRUE(root.oneFileSystem) << root.folder.toStdString();
}

TEST_F(SearchTest, StoppedJobEndsAtOnceAndKeepsTheOldResults)
{
    for (int i = 0; i < 200; ++i)
        dir.write(QStringLiteral("f%1/IMG_%2.jpg").arg(i % 20).arg(i), "x");
    SearchSettings s;
    s.folders = dir.path();
    s.useName = true;
    s.name = QStringLiteral("img");
    SearchJob job(s, {}, nullptr);
    std::atomic<int> delivered{0};
    std::atomic<bool> running{false};
    QObject::connect(&job, &SearchJob::searchFinished, &job, [&] { ++delivered; }, Qt::DirectConnection);
    // The first progress report holds the scan until the stop is asked for.
    QObject::connect(&job, &BackgroundJob::jobStep, &job, [&] {
        running = true;
        while (!job.stopRequested())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }, Qt::DirectConnection);
    job.start();
    while (!running)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_TRUE(job.stop(100));
    EXPECT_EQ(delivered.load(), 0);

    SearchJob full(s, {}, nullptr);
    QStringList results;
    QObject::connect(&full, &SearchJob::searchFinished, &full,
                     [&](const QStringList& r, int) { results = r; }, Qt::DirectConnection);
    full.start();
    for (int i = 0; i < 3000 && !full.finished(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(results.size(), 200);
}

} // namespace

#include "core/filetypes/CompanionSound.h"
#include "core/filetypes/FolderScan.h"
#include "core/filetypes/PictureFileTypes.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace vistello;

namespace {

class FolderScan : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        registerTypes(false);
    }
    void TearDown() override { PictureFileTypes::instance().clear(); }

    static void registerTypes(bool video)
    {
        PictureFileTypes::instance().clear();
        PictureFileTypes::instance().registerBuiltIns(video, nullptr);
    }
    void write(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            dir.write(QString::fromUtf8(name), "x");
    }
    QStringList sortedPictures(bool recursive)
    {
        QStringList list = scanPictures(dir.path(), recursive);
        list.sort();
        return list;
    }

    vistello::test::TempDir dir;
};

} // namespace

TEST_F(FolderScan, ListsPicturesByRegisteredType)
{
    write({"a.JPG", "b.Jpeg", "c.thm", "d.bmp", "e.avi", "photo.jpg.txt", "archive.csv", ".hidden.jpg", "sub/f.jpg"});
    const QString p = dir.path();
    EXPECT_EQ(sortedPictures(false), QStringList({p + ".hidden.jpg", p + "a.JPG", p + "b.Jpeg", p + "c.thm"}));
    registerTypes(true);
    EXPECT_EQ(sortedPictures(true).size(), 6); // + e.avi and sub/f.jpg
    EXPECT_TRUE(scanPictures(p + QStringLiteral("missing/"), true).isEmpty());
}

TEST_F(FolderScan, PictureOnlyFolderNeverAsksForMediaPlayback)
{
    write({"a.jpg", "b.thm", "notes.txt", "sub/c.JPG"});
    int asked = 0;
    PictureFileTypes::instance().clear();
    PictureFileTypes::instance().registerBuiltInsDeferringMedia([&] { ++asked; return true; }, nullptr);
    EXPECT_EQ(scanPictures(dir.path(), true).size(), 3);
    EXPECT_EQ(asked, 0);
    write({"clip.mpg"});
    EXPECT_EQ(scanPictures(dir.path(), true).size(), 4);
    EXPECT_EQ(asked, 1);
}

TEST_F(FolderScan, RecursiveScanIsDepthFirstAndAnnouncesFoldersFirst)
{
    write({"a.jpg", "s1/b.jpg", "s1/s2/c.jpg", "s1/s2/d.jpg", "s3/e.jpg", "z.jpg"});
    std::vector<ScanEntry> entries;
    scanFolder(dir.path().chopped(1), true, [&](const ScanEntry& e) {
        entries.push_back(e);
        return true;
    });
    ASSERT_EQ(entries.size(), 9u);
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_FALSE(entries[i].path.contains(QStringLiteral("//")));
        if (!entries[i].isFolder)
            continue;
        // Everything inside the folder follows it at once, before any sibling.
        const QString sub = entries[i].path;
        EXPECT_TRUE(sub.endsWith(QLatin1Char('/')));
        size_t j = i + 1;
        while (j < entries.size() && entries[j].path.startsWith(sub))
            ++j;
        for (; j < entries.size(); ++j)
            EXPECT_FALSE(entries[j].path.startsWith(sub)) << sub.toStdString();
    }
    int seen = 0;
    scanFolder(dir.path(), true, [&](const ScanEntry&) { return ++seen < 2; });
    EXPECT_EQ(seen, 2);
}

TEST_F(FolderScan, FollowsFileSymlinksButNeverDirectorySymlinks)
{
    const QString p = dir.path();
    write({"sub/a.jpg"});
    ASSERT_TRUE(QFile::link(p, p + QStringLiteral("sub/loop")));
    ASSERT_TRUE(QFile::link(p + QStringLiteral("sub/a.jpg"), p + QStringLiteral("link.jpg")));
    ASSERT_TRUE(QFile::link(p + QStringLiteral("missing.jpg"), p + QStringLiteral("dangling.jpg")));
    EXPECT_EQ(sortedPictures(true), QStringList({p + "link.jpg", p + "sub/a.jpg"}));
}

TEST_F(FolderScan, FifosAreNeitherListedNorOpened)
{
    const QString p = dir.path();
    for (const char* name : {"x.jpg", "x.wav"})
        ASSERT_EQ(::mkfifo(QFile::encodeName(p + QString::fromUtf8(name)).constData(), 0600), 0);
    write({"y.jpg"});
    EXPECT_EQ(scanPictures(p, true), QStringList({p + "y.jpg"}));
    EXPECT_EQ(folderStatistics(p).pictureCount, 1);
    EXPECT_TRUE(findCompanionSound(p + QStringLiteral("x.jpg"), true).isEmpty());
}

TEST_F(FolderScan, PathsLongerThan511UnitsAreSkipped)
{
    QString folder = dir.path();
    while (511 - folder.size() > 250)
        folder += QString(200, QLatin1Char('d')) + QLatin1Char('/');
    ASSERT_TRUE(QDir().mkpath(folder));
    const qsizetype room = 511 - folder.size();
    const QString fits = folder + QString(room - 4, QLatin1Char('f')) + QStringLiteral(".jpg");
    const QString tooLong = folder + QString(room - 3, QLatin1Char('g')) + QStringLiteral(".jpg");
    for (const QString& path : {fits, tooLong}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(scanPictures(dir.path(), true), QStringList({fits}));
}

TEST_F(FolderScan, StatisticsCountPicturesToTheNearestKilobyte)
{
    dir.write(QStringLiteral("one.jpg"), QByteArray(1536, 'x'));
    const FolderStatistics one = folderStatistics(dir.path());
    EXPECT_EQ(one.pictureCount, 1);
    EXPECT_EQ(one.totalKilobytes, 2);
    EXPECT_EQ(one.averageKilobytes, 2);

    dir.write(QStringLiteral("small.thm"), QByteArray(511, 'x'));
    dir.write(QStringLiteral("half.jpe"), QByteArray(512, 'x'));
    dir.write(QStringLiteral("notes.txt"), QByteArray(5000, 'x'));
    dir.write(QStringLiteral("sub/deep.jpg"), QByteArray(5000, 'x'));
    const FolderStatistics three = folderStatistics(dir.path().chopped(1));
    EXPECT_EQ(three.pictureCount, 3);
    EXPECT_EQ(three.totalKilobytes, 3); // 2 + 0 + 1
    EXPECT_EQ(three.averageKilobytes, 1);
    EXPECT_EQ(folderStatistics(QString()).pictureCount, 0);
}

TEST(FormatKilobytes, ChoosesUnitAndPrecision)
{
    const std::pair<qint64, const char*> table[] = {
        {0, "0 KB"}, {999, "999 KB"}, {1000, "1.0 MB"}, {999999, "976.6 MB"},
        {1000000, "0.95 GB"}, {1048576, "1.00 GB"}, {5000000000LL, "4768.37 GB"}};
    for (const auto& [kilobytes, text] : table)
        EXPECT_EQ(formatKilobytes(kilobytes), QString::fromUtf8(text)) << kilobytes;
}

// vistello-cli split-panorama: segments judged by jpegtran and djpeg, and
// the plans and files that must leave everything as it was.
#include "app/SampleTools.h"
#include "jpegedit/TransformFixtures.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace vistello {
namespace {

using test::TempDir;
using namespace test::transform;

test::CliRun cli(const QStringList& args)
{
    return test::runCli(QStringList{"split-panorama"} + args);
}

QString widePicture(const TempDir& dir)
{
    return dir.write(QStringLiteral("wide.jpg"), encodeLayout(Layout::Yuv420, 4000, 1000, 50, true));
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot | QDir::System);
}

TEST(SplitPanoramaCli, segmentsAreLosslessCutsOnTheBlockGrid)
{
    SKIP_WITHOUT_TOOL("jpegtran");
    SKIP_WITHOUT_TOOL("djpeg");
    TempDir dir;
    const QString picture = widePicture(dir);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("out")));
    const QString out = dir.file(QStringLiteral("out"));
    const auto run = cli({"--printer", "2000x3000", "--landscape", picture, "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList segments{out + QStringLiteral("/wide-1.jpg"), out + QStringLiteral("/wide-2.jpg"),
                               out + QStringLiteral("/wide-3.jpg")};
    EXPECT_EQ(run.out, QStringLiteral("1, 0, 1500\n2, 1488, 1500\n3, 2976, 1024\n") + segments.join(QLatin1Char('\n')) +
                           QLatin1Char('\n'));
    const char* crops[] = {"1500x1000+0+0", "1500x1000+1488+0", "1024x1000+2976+0"};
    for (int i = 0; i < 3; ++i) {
        const QString expected = dir.write(QStringLiteral("e%1.jpg").arg(i), runJpegtran({"-crop", crops[i]}, picture));
        EXPECT_TRUE(decodeWithDjpeg(segments[i]) == decodeWithDjpeg(expected)) << crops[i];
    }
    EXPECT_EQ(entries(out).size(), 3);
}

TEST(SplitPanoramaCli, dryRunPrintsThePlanOnly)
{
    TempDir dir;
    const QString picture = widePicture(dir);
    const auto run = cli({"--printer", "2000x3000", "--overlap", "1000", "--landscape", "--dry-run", picture, "-o",
                          dir.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("1, 0, 1500\n2, 736, 1500\n"))) << run.out.toStdString();
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("wide.jpg")});
}

// Segment 30, overlap 15, block 16: the cuts never advance.
TEST(SplitPanoramaCli, aStallingPlanWritesNothing)
{
    TempDir dir;
    const QString picture = widePicture(dir);
    QElapsedTimer timer;
    timer.start();
    const auto run = cli({"--printer", "30x1000", "--overlap", "15", picture, "-o", dir.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("wide.jpg")});
}

// A cut that fails leaves the file standing at the segment's name alone and
// no temporary file behind.
TEST(SplitPanoramaCli, aFailedCutKeepsWhatStoodThere)
{
    TempDir dir;
    const QString picture = widePicture(dir);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("out")));
    const QString out = dir.file(QStringLiteral("out"));
    const QString old = out + QStringLiteral("/wide-1.jpg");
    {
        QFile file(old);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("keep me");
    }
    // The engine refuses a write-protected picture.
    ASSERT_TRUE(QFile::setPermissions(picture, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    const auto run = cli({"--printer", "2000x3000", "--landscape", picture, "-o", out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(test::readAll(old), QByteArray("keep me"));
    EXPECT_EQ(entries(out), QStringList{QStringLiteral("wide-1.jpg")});
}

TEST(SplitPanoramaCli, olderSegmentsAreReplacedButNeverThePictureItself)
{
    TempDir dir;
    const QString picture = widePicture(dir);
    const QByteArray bytes = test::readAll(picture);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("out")));
    const QString out = dir.file(QStringLiteral("out"));
    dir.write(QStringLiteral("out/wide-2.jpg"), QByteArray("old segment"));
    ASSERT_EQ(cli({"--printer", "2000x3000", "--landscape", picture, "-o", out}).exitCode, 0);
    EXPECT_EQ(jpegSize(test::readAll(out + QStringLiteral("/wide-2.jpg"))), QSize(1500, 1000));

    // A segment name that leads to the picture: refused before any cut.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("link")));
    const QString link = dir.file(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(picture, link + QStringLiteral("/wide-3.jpg")));
    EXPECT_EQ(cli({"--printer", "2000x3000", "--landscape", picture, "-o", link}).exitCode, 1);
    EXPECT_EQ(test::readAll(picture), bytes);
    EXPECT_EQ(entries(link), QStringList{QStringLiteral("wide-3.jpg")});
}

TEST(SplitPanoramaCli, usage)
{
    TempDir dir;
    const QString picture = widePicture(dir);
    EXPECT_EQ(cli({picture, "-o", dir.path()}).exitCode, 2);
    EXPECT_EQ(cli({"--printer", "0x5", picture, "-o", dir.path()}).exitCode, 2);
    EXPECT_EQ(cli({"--printer", "5x5", picture}).exitCode, 2);
    EXPECT_EQ(cli({"--printer", "5x5", "--overlap", "-1", picture, "-o", dir.path()}).exitCode, 2);
}

} // namespace
} // namespace vistello

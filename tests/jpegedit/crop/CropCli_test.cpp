// vistello-cli crop, judged by jpegtran, djpeg and exiftool.
#include "app/SampleTools.h"
#include "core/settings/SettingsStore.h"
#include "jpegedit/TransformFixtures.h"
#include "jpegedit/originals/OriginalBackup.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace vistello {
namespace {

using test::TempDir;
using test::sampletools::runTool;
using namespace test::transform;

QString settingsFile(const TempDir& dir, bool copyOriginal)
{
    SettingsStore store(dir.path());
    store.setBool(QStringLiteral("CopyOriginal"), copyOriginal);
    return dir.write(QStringLiteral("settings.xml"), store.serialize());
}

test::CliRun cli(const QStringList& args)
{
    return test::runCli(QStringList{"crop"} + args);
}

QStringList exifSize(const QString& path)
{
    const auto run = runTool(QStringLiteral("exiftool"),
                             {"-n", "-s", "-s", "-s", "-f", "-ExifImageWidth", "-ExifImageHeight", path});
    return QString::fromUtf8(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

TEST(CropCli, typedLeftDistanceCropsLikeJpegtranAndKeepsTheOriginal)
{
    SKIP_WITHOUT_TOOL("jpegtran");
    SKIP_WITHOUT_TOOL("djpeg");
    SKIP_WITHOUT_TOOL("exiftool");
    TempDir dir;
    const QString path = dir.write(QStringLiteral("c.jpg"), encodeLayout(Layout::Yuv420, 640, 480));
    ASSERT_EQ(runTool(QStringLiteral("exiftool"),
                      {"-q", "-overwrite_original", "-ExifImageWidth=640", "-ExifImageHeight=480", path})
                  .exitCode,
              0);
    const QByteArray bytes = test::readAll(path);
    const QString before = dir.write(QStringLiteral("before.jpg"), bytes);

    const auto run = cli({"--no-copy", "--kind", "3", "--rect", "100,37,200,100", "-x", settingsFile(dir, true), path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("200x100+100+32\n") + path + QLatin1Char('\n'));

    const QByteArray expected = runJpegtran({"-copy", "none", "-crop", "200x100+100+32"}, before);
    ASSERT_FALSE(expected.isEmpty());
    const QString expectedPath = dir.write(QStringLiteral("e.jpg"), expected);
    EXPECT_TRUE(decodeWithDjpeg(path) == decodeWithDjpeg(expectedPath));
    const QSize size = jpegSize(expected); // the left edge grew to x 96
    EXPECT_EQ(size, QSize(204, 100));
    EXPECT_EQ(exifSize(path), (QStringList{QString::number(size.width()), QString::number(size.height())}));
    EXPECT_EQ(test::readAll(originalBackupPath(path)), bytes);
}

TEST(CropCli, lockedRatioFitsTheWidestRectangle)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("w.jpg"), encodeLayout(Layout::Yuv420, 4000, 1000, 50, true));
    const QByteArray bytes = test::readAll(path);
    const auto run = cli({"--lock", "3:2", "--kind", "1", "--rect", "0,0,4000,1000", "--dry-run", path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("1500x1000+0+0\n"));
    EXPECT_EQ(test::readAll(path), bytes);
}

TEST(CropCli, shortFormWithCaretAndCopy)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("p.jpg"), encodeLayout(Layout::Yuv420, 160, 96));
    const QByteArray bytes = test::readAll(path);
    // Caret after the last "+": the top stays 21, the left snaps to 32.
    const auto run = cli({"--short", "64x40+37+21", "--caret", "11", "--copy", "-x", settingsFile(dir, true), path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString copy = dir.file(QStringLiteral("Copy of p.jpg"));
    EXPECT_EQ(run.out, QStringLiteral("64x40+32+21\n") + copy + QLatin1Char('\n'));
    EXPECT_EQ(test::readAll(path), bytes);
    EXPECT_FALSE(QFileInfo::exists(originalBackupPath(path)));
    EXPECT_EQ(jpegSize(test::readAll(copy)), QSize(64, 45)); // top grows to the 16-pixel grid
}

TEST(CropCli, refusesWhatItCannotDo)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("p.jpg"), encodeLayout(Layout::Yuv444, 32, 32));
    EXPECT_EQ(cli({path}).exitCode, 2);
    EXPECT_EQ(cli({"--short", "1x1+0+0", "--kind", "1", "--rect", "0,0,1,1", path}).exitCode, 2);
    EXPECT_EQ(cli({"--kind", "5", "--rect", "0,0,1,1", path}).exitCode, 2);
    EXPECT_EQ(cli({"--kind", "1", "--rect", "0,0,1", path}).exitCode, 2);
    EXPECT_EQ(cli({"--short", "1x1+0+0", "--lock", "0:2", path}).exitCode, 2);
    EXPECT_EQ(cli({"--short", "1x1+0+0", "--copy", "--no-copy", path}).exitCode, 2);
    const QString text = dir.write(QStringLiteral("t.jpg"), QByteArray("not a picture"));
    EXPECT_EQ(cli({"--short", "1x1+0+0", text}).exitCode, 1);
}

} // namespace
} // namespace vistello

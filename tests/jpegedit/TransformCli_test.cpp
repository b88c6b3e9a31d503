// vistello-cli transform, driven as a user drives it.
#include "app/SampleTools.h"
#include "app/samples/SamplePicture.h"
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
    return test::runCli(QStringList{"transform"} + args);
}

TEST(TransformCli, rotatesKeepsTheOriginalAndPrintsThePath)
{
    TempDir dir;
    const QByteArray bytes = encodeLayout(Layout::Yuv420, 80, 48);
    const QString path = dir.write(QStringLiteral("p.jpg"), bytes);
    const auto run = cli({"rotate-90", "-x", settingsFile(dir, true), path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, path + QLatin1Char('\n'));
    EXPECT_EQ(jpegSize(test::readAll(path)), QSize(48, 80));
    EXPECT_EQ(test::readAll(originalBackupPath(path)), bytes);
    // A second change keeps the first backup.
    ASSERT_EQ(cli({"flip-h", "-x", settingsFile(dir, true), path}).exitCode, 0);
    EXPECT_EQ(test::readAll(originalBackupPath(path)), bytes);
}

TEST(TransformCli, copyLeavesThePictureAlone)
{
    TempDir dir;
    const QByteArray bytes = encodeLayout(Layout::Yuv420, 80, 48);
    const QString path = dir.write(QStringLiteral("p.jpg"), bytes);
    const auto run = cli({"rotate-270", "--copy", "--gray", "-x", settingsFile(dir, true), path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString copy = dir.file(QStringLiteral("Copy of p.jpg"));
    EXPECT_EQ(run.out, copy + QLatin1Char('\n'));
    EXPECT_EQ(test::readAll(path), bytes);
    EXPECT_FALSE(QFileInfo::exists(originalBackupPath(path)));
    EXPECT_EQ(readCoefficients(test::readAll(copy)).size(), 1u);
}

TEST(TransformCli, autoRotatesByTheOrientation)
{
    SKIP_WITHOUT_TOOL("exiftool");
    TempDir dir;
    samples::SamplePictureRecipe recipe;
    recipe.displaySize = QSize(160, 96);
    recipe.orientation = samples::Orientation::Rotate90;
    const QString path = dir.write(QStringLiteral("IMG_0001.jpg"), samples::buildSamplePicture(recipe));
    const auto run = cli({"auto", "-x", settingsFile(dir, false), path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(jpegSize(test::readAll(path)), QSize(160, 96));
    EXPECT_EQ(runTool(QStringLiteral("exiftool"), {"-n", "-s3", "-Orientation", path}).out.trimmed(), QByteArray("1"));
    EXPECT_FALSE(QFileInfo::exists(originalBackupPath(path)));
}

TEST(TransformCli, failuresAndUsage)
{
    TempDir dir;
    const QString tiny = dir.write(QStringLiteral("tiny.jpg"), encodeLayout(Layout::Yuv420, 8, 8));
    const QString text = dir.write(QStringLiteral("notes.txt"), "hello");
    const QString settings = settingsFile(dir, false);
    EXPECT_EQ(cli({"flip-h", "-x", settings, tiny}).exitCode, 1);
    EXPECT_EQ(cli({"flip-h", "-x", settings, text}).exitCode, 1);
    EXPECT_EQ(cli({"crop", tiny}).exitCode, 2);
    EXPECT_EQ(cli({"rotate-90"}).exitCode, 2);
    EXPECT_EQ(cli({"none", "--crop", "1,2", tiny}).exitCode, 2);
    // A named settings file that cannot be read is an error, not the defaults.
    const QByteArray bytes = encodeLayout(Layout::Yuv420, 80, 48);
    const QString good = dir.write(QStringLiteral("good.jpg"), bytes);
    for (const QString& unreadable : {dir.file(QStringLiteral("missing.xml")), dir.path()}) {
        const auto run = cli({"flip-h", "-x", unreadable, good});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(QStringLiteral("settings file"))) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(test::readAll(good), bytes);
    }
    // A failed change on a copy removes the copy again.
    EXPECT_EQ(cli({"flip-h", "--copy", "-x", settings, tiny}).exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("Copy of tiny.jpg"))));
}

TEST(TransformCli, cropsLikeJpegtran)
{
    SKIP_WITHOUT_TOOL("jpegtran");
    SKIP_WITHOUT_TOOL("djpeg");
    TempDir dir;
    const QString path = dir.write(QStringLiteral("p.jpg"), encodeLayout(Layout::Yuv422, 100, 70));
    const QString before = dir.write(QStringLiteral("before.jpg"), test::readAll(path));
    ASSERT_EQ(cli({"none", "--crop", "21,5,50,40", "-x", settingsFile(dir, false), path}).exitCode, 0);
    const QString expected = dir.write(QStringLiteral("e.jpg"), runJpegtran({"-crop", "50x40+21+5"}, before));
    EXPECT_TRUE(decodeWithDjpeg(path) == decodeWithDjpeg(expected));
}

} // namespace
} // namespace vistello

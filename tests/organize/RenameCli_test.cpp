// vistello-cli rename, driven as a user drives it; names after the date of
// taking are checked against exiftool reading the same files.
#include "app/SampleTools.h"
#include "organize/RenameFixtures.h"
#include "support/TempDir.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace vistello {
namespace {

using test::TempDir;
using test::sampletools::runTool;
using namespace test::rename;

test::sampletools::ToolRun rename(const QStringList& args)
{
    return runTool(QStringLiteral(VISTELLO_CLI_PATH), QStringList{"rename"} + args);
}

// Dates are read as local time: the program and exiftool both read them in UTC.
class RenameCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        zone_ = qgetenv("TZ");
        qputenv("TZ", "UTC");
    }
    void TearDown() override { zone_.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone_); }

private:
    QByteArray zone_;
};

TEST_F(RenameCli, dateNamesAgreeWithExiftool)
{
    SKIP_WITHOUT_TOOL("exiftool");
    TempDir dir;
    const QStringList paths = {dir.write("x.jpg", datedPicture("2004:01:01 12:00:00", "x")),
                               dir.write("y.jpg", datedPicture("2004:01:01 12:00:00", "y")),
                               dir.write("z.jpg", datedPicture("2019:11:30 07:08:09", "z"))};
    const auto run = rename(QStringList{"--date"} + paths);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].endsWith("/2004-01-01@12-00-00.jpg"));
    EXPECT_TRUE(lines[1].endsWith("/2004-01-01@12-00-00-1.jpg"));
    for (const QString& line : lines) {
        const QString renamed = line.section(" -> ", 1);
        const auto tool = runTool("exiftool", {"-s3", "-d", "%Y-%m-%d@%H-%M-%S", "-DateTimeOriginal", renamed});
        const QString base = QFileInfo(renamed).completeBaseName();
        EXPECT_EQ(base.left(19), QString::fromUtf8(tool.out.trimmed())) << line.toStdString();
    }
}

TEST_F(RenameCli, oneNameTakesTheCompanionsAlongOrIsRefused)
{
    TempDir dir;
    const QString picture = dir.write("IMG_0001.JPG", "picture");
    dir.write("IMG_0001.JPG.original", "backup");
    dir.write("SND_0001.wav", "memo");
    dir.write("Y.JPG", "other");
    const auto run = rename({"--name", "X", picture});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(run.out),
              picture + " -> " + dir.file("X.JPG") + "\n  " + picture + ".original -> " + dir.file("X.JPG.original")
                  + "\n  " + dir.file("SND_0001.wav") + " -> " + dir.file("X.wav") + "\n");

    const QMap<QString, QByteArray> before = folderFiles(dir.path());
    const auto refused = rename({"--name", "Y", dir.file("X.JPG")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "vistello-cli rename: The picture \"Y.JPG\"\nalready exist.\nChoose another name.\n");
    EXPECT_EQ(folderFiles(dir.path()), before);
}

// A stale backup under the new name: one picture is refused as several are,
// and nothing moves (the picture's own backup must not stay behind).
TEST_F(RenameCli, staleCompanionUnderTheNewNameIsRefusedForOneAsForSeveral)
{
    TempDir dir;
    const QString picture = dir.write("IMG_0001.JPG", "picture");
    dir.write("IMG_0001.JPG.original", "backup");
    dir.write("X0.JPG.original", "stale");
    const QString other = dir.write("IMG_0002.JPG", "other");
    const QMap<QString, QByteArray> before = folderFiles(dir.path());

    const auto one = rename({"--name", "X0", picture});
    const auto several = rename({"--pattern", "X%d", picture, other});
    EXPECT_EQ(several.exitCode, 1) << several.out.toStdString();
    EXPECT_EQ(one.exitCode, several.exitCode) << one.out.toStdString();
    EXPECT_EQ(one.err.split('\n').value(0), several.err.split('\n').value(0));
    EXPECT_TRUE(one.err.contains("X0.JPG.original is in use")) << one.err.toStdString();
    EXPECT_EQ(folderFiles(dir.path()), before);
}

TEST_F(RenameCli, usageErrorsAndDryRunMoveNothing)
{
    TempDir dir;
    const QString a = dir.write("a.jpg", "a");
    const QString b = dir.write("b.jpg", "b");
    EXPECT_EQ(rename({"--bogus", a}).exitCode, 2);
    EXPECT_EQ(rename({"--name", "X", a, b}).exitCode, 2);
    EXPECT_EQ(rename({a}).exitCode, 2);
    const auto dry = rename({"--dry-run", "--pattern", "n%d", a, b});
    EXPECT_EQ(dry.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(dry.out), a + " -> " + dir.file("n0.jpg") + "\n" + b + " -> " + dir.file("n1.jpg") + "\n");
    EXPECT_EQ(folderFiles(dir.path()).keys(), (QStringList{"a.jpg", "b.jpg"}));
}

} // namespace
} // namespace vistello

// vistello-cli wallpaper as a user runs it, against the real gsettings on a
// key-file backend in a scratch folder: what GNOME's settings hold after
// each step is read back with gsettings itself.
#include "app/SampleTools.h"
#include "publish/PublishFixtures.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>
#include <gtest/gtest.h>

namespace vistello {
namespace {

using test::TempDir;

class WallpaperCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_CLI();
        SKIP_WITHOUT_TOOL("gsettings");
        // A data folder whose name would break out of careless quoting.
        dataHome = dir.file("data it's \"$(x)\" \\ `y`");
        QDir().mkpath(dataHome);
        QDir().mkpath(dir.file("config"));
        env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CURRENT_DESKTOP", "GNOME");
        env.insert("GSETTINGS_BACKEND", "keyfile");
        env.insert("XDG_CONFIG_HOME", dir.file("config"));
        env.insert("XDG_DATA_HOME", dataHome);
        if (gsettings({"get", "org.gnome.desktop.background", "picture-uri"}).isEmpty())
            SKIP_OR_FAIL("the GNOME desktop schemas are not installed");
    }

    test::ProcessRun run(const QString& program, const QStringList& args) const
    {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(program, args);
        test::ProcessRun result;
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished();
            return result;
        }
        if (process.exitStatus() == QProcess::NormalExit)
            result.exitCode = process.exitCode();
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }
    test::ProcessRun wallpaper(const QStringList& args) const
    {
        return run(VISTELLO_CLI_PATH, QStringList{"wallpaper"} + args);
    }
    QString gsettings(const QStringList& args) const
    {
        return QString::fromUtf8(run("gsettings", args).out).trimmed();
    }
    // The file the GNOME key names, read through QUrl from gsettings' output.
    QString pictureFile(const char* key) const
    {
        QString value = gsettings({"get", "org.gnome.desktop.background", key});
        if (value.size() >= 2 && value.front() == value.back() && (value.front() == '\'' || value.front() == '"'))
            value = value.mid(1, value.size() - 2);
        return value.isEmpty() ? QString() : QUrl(value).toLocalFile();
    }
    QString picture(int width, int height) const
    {
        return dir.write(QStringLiteral("p%1x%2.jpg").arg(width).arg(height), test::publish::plainJpeg(width, height));
    }
    QString dataFolder() const { return dataHome + "/Vistello LE/"; }
    QStringList bitmaps() const { return QDir(dataFolder()).entryList({"*.bmp"}, QDir::Files); }

    TempDir dir;
    QString dataHome;
    QProcessEnvironment env;
};

TEST_F(WallpaperCli, SetNamesAFreshBitmapAndRemovesThePreviousOne)
{
    SKIP_WITHOUT_TOOL("identify");
    const test::ProcessRun first = wallpaper({"--screen", "1280x1024", picture(640, 480)});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const QString firstPath = QString::fromUtf8(first.out).trimmed();
    EXPECT_TRUE(firstPath.startsWith(dataFolder())) << firstPath.toStdString();
    EXPECT_EQ(pictureFile("picture-uri"), firstPath);
    EXPECT_EQ(pictureFile("picture-uri-dark"), firstPath);
    EXPECT_EQ(gsettings({"get", "org.gnome.desktop.background", "picture-options"}), "'scaled'");
    EXPECT_EQ(QString::fromUtf8(test::sampletools::runTool("identify", {"-format", "%m %wx%h", firstPath}).out),
              "BMP3 1280x960");

    const test::ProcessRun second = wallpaper({"--screen", "1280x1024", picture(640, 480)});
    ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
    const QString secondPath = QString::fromUtf8(second.out).trimmed();
    EXPECT_NE(secondPath, firstPath);
    EXPECT_EQ(pictureFile("picture-uri"), secondPath);
    EXPECT_TRUE(QFileInfo::exists(secondPath));
    EXPECT_FALSE(QFileInfo::exists(firstPath));
    EXPECT_EQ(bitmaps().size(), 1);

    const test::ProcessRun reset = wallpaper({"--reset"});
    ASSERT_EQ(reset.exitCode, 0) << reset.err.toStdString();
    EXPECT_EQ(gsettings({"get", "org.gnome.desktop.background", "picture-uri"}), "''");
    EXPECT_EQ(gsettings({"get", "org.gnome.desktop.background", "picture-uri-dark"}), "''");
    EXPECT_TRUE(bitmaps().isEmpty());
}

TEST_F(WallpaperCli, UnsupportedDesktopFailsWithItsMessage)
{
    env.insert("XDG_CURRENT_DESKTOP", "sway");
    const test::ProcessRun set = wallpaper({"--screen", "1280x1024", picture(64, 48)});
    EXPECT_EQ(set.exitCode, 1);
    EXPECT_TRUE(set.err.contains("cannot be set on this desktop (sway)")) << set.err.toStdString();
    EXPECT_TRUE(set.out.isEmpty());
    EXPECT_TRUE(bitmaps().isEmpty());
    EXPECT_EQ(wallpaper({"--reset"}).exitCode, 1);
}

TEST_F(WallpaperCli, UndecodablePictureLeavesTheWallpaperAlone)
{
    const test::ProcessRun good = wallpaper({"--screen", "800x600", picture(64, 48)});
    ASSERT_EQ(good.exitCode, 0) << good.err.toStdString();
    const QString shown = QString::fromUtf8(good.out).trimmed();
    const QString broken = dir.write("broken.jpg", test::publish::damagedJpeg());
    const test::ProcessRun bad = wallpaper({"--screen", "800x600", broken});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains("cannot be decoded")) << bad.err.toStdString();
    EXPECT_EQ(pictureFile("picture-uri"), shown);
    EXPECT_EQ(bitmaps(), QStringList{QFileInfo(shown).fileName()});
}

// The desktop's program missing: the new bitmap goes, the shown one stays.
TEST_F(WallpaperCli, DesktopThatCannotBeToldKeepsTheShownBitmap)
{
    const test::ProcessRun good = wallpaper({"--screen", "800x600", picture(64, 48)});
    ASSERT_EQ(good.exitCode, 0) << good.err.toStdString();
    const QString shown = QString::fromUtf8(good.out).trimmed();
    env.insert("PATH", dir.file("no-programs"));
    const test::ProcessRun failed = wallpaper({"--screen", "800x600", picture(32, 24)});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.contains("did not take the new wallpaper")) << failed.err.toStdString();
    EXPECT_EQ(bitmaps(), QStringList{QFileInfo(shown).fileName()});
}

TEST_F(WallpaperCli, DryRunPrintsTheBitmapAndCommandsAndDoesNothing)
{
    const QString before = gsettings({"get", "org.gnome.desktop.background", "picture-uri"});
    const test::ProcessRun dry = wallpaper({"--dry-run", "--screen", "1280x1024", picture(640, 480)});
    ASSERT_EQ(dry.exitCode, 0) << dry.err.toStdString();
    const QStringList lines = QString::fromUtf8(dry.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << dry.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith("bitmap\t" + dataFolder())) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].endsWith("\t1280x960")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith("gsettings set org.gnome.desktop.background picture-options"));
    EXPECT_TRUE(lines[2].startsWith("gsettings set org.gnome.desktop.background picture-uri "));
    EXPECT_FALSE(QFileInfo::exists(dataFolder())) << "a dry run makes no folder either";
    EXPECT_EQ(gsettings({"get", "org.gnome.desktop.background", "picture-uri"}), before);
}

TEST_F(WallpaperCli, UsageErrors)
{
    EXPECT_EQ(wallpaper({picture(64, 48)}).exitCode, 2);                     // no screen
    EXPECT_EQ(wallpaper({"--screen", "0x5", picture(64, 48)}).exitCode, 2); // bad screen
    EXPECT_EQ(wallpaper({"--reset", picture(64, 48)}).exitCode, 2);         // both
    EXPECT_EQ(wallpaper({"--screen", "10x10"}).exitCode, 2);                // nothing
}

} // namespace
} // namespace vistello

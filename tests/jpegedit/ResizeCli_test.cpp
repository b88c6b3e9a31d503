// vistello-cli resize as a user runs it, judged by other tools: sizes and
// qualities read back by ImageMagick, EXIF fields by exiftool, the file-size
// limit over camera pictures, and the files that must stay as they were.
#include "app/samples/SamplePicture.h"
#include "core/settings/SettingsStore.h"
#include "jpegedit/TransformFixtures.h"
#include "jpegedit/originals/OriginalBackup.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace vistello {
namespace {

using test::TempDir;
using test::sampletools::runTool;

QString settingsFile(const TempDir& dir, bool copyOriginal, const QString& jpegOptions = {})
{
    SettingsStore store(dir.path());
    store.setBool(QStringLiteral("CopyOriginal"), copyOriginal);
    if (!jpegOptions.isEmpty())
        store.setString(QStringLiteral("Jpeg_property"), jpegOptions);
    return dir.write(QStringLiteral("settings.xml"), store.serialize());
}

QByteArray cameraPicture(QSize size, samples::Orientation orientation = samples::Orientation::Normal)
{
    samples::SamplePictureRecipe recipe;
    recipe.displaySize = size;
    recipe.orientation = orientation;
    return samples::buildSamplePicture(recipe);
}

// "W H Q" as ImageMagick reads the file (Q: its estimate of the quality).
QString identified(const QString& path)
{
    return QString::fromUtf8(runTool(QStringLiteral("identify"), {"-format", "%w %h %Q", path}).out);
}

QStringList exifValues(const QString& path, const QStringList& tags)
{
    QStringList args{"-n", "-s", "-s", "-s", "-f"};
    for (const QString& t : tags)
        args << QLatin1Char('-') + t;
    return QString::fromUtf8(runTool(QStringLiteral("exiftool"), args << path).out).split(u'\n', Qt::SkipEmptyParts);
}

TEST(ResizeCli, SizesQualitiesAndExifOfTheWrittenFile)
{
    SKIP_WITHOUT_CLI();
    SKIP_WITHOUT_TOOL("identify");
    SKIP_WITHOUT_TOOL("exiftool");
    SKIP_WITHOUT_TOOL("cjpeg");
    SKIP_WITHOUT_TOOL("djpeg");
    TempDir dir;
    const QByteArray camera = cameraPicture({3000, 2000});
    const QString settings = settingsFile(dir, false, QStringLiteral("70,60"));
    const struct {
        QStringList options;
        const char* size;
        const char* qualities;
    } cases[] = {
        {{"--box", "640x480", "--quality", "90,90"}, "640x426", "90,90"},
        {{"--percent", "25", "--quality", "90"}, "750x500", "90,90"},
        {{"--percent", "30", "--quality", "80,50"}, "900x600", "80,50"},
        {{"--box", "320x320"}, "320x213", "70,60"}, // automatic: the JPEG format's option string
    };
    for (const auto& c : cases) {
        const QString path = dir.write(QStringLiteral("IMG_0001.jpg"), camera);
        const auto run = test::runCli(QStringList{"resize", "-x", settings} + c.options + QStringList{path});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QStringList fields = run.out.trimmed().split(u'\t');
        ASSERT_EQ(fields.size(), 4) << run.out.toStdString();
        EXPECT_EQ(fields[0], path);
        EXPECT_EQ(fields[1], QLatin1String(c.size));
        EXPECT_EQ(fields[2].toLongLong(), QFileInfo(path).size());
        EXPECT_EQ(fields[3], QLatin1String(c.qualities));
        const QString wxh = QString::fromLatin1(c.size).replace(u'x', u' ');
        // The tables read like cjpeg's at the same qualities.
        const QString pixels = dir.write(QStringLiteral("p.ppm"), test::transform::decodeWithDjpeg(path));
        const QString reference = dir.file(QStringLiteral("ref.jpg"));
        ASSERT_EQ(runTool(QStringLiteral("cjpeg"), {"-quality", c.qualities, "-sample", "1x1", "-baseline", "-outfile",
                                                    reference, pixels}).exitCode, 0);
        EXPECT_EQ(identified(path), wxh + QLatin1Char(' ') + identified(reference).section(u' ', 2));
        EXPECT_EQ(exifValues(path, {"ExifImageWidth", "ExifImageHeight"}), wxh.split(u' '));
        EXPECT_EQ(QFileInfo(path).lastModified(), QDateTime(QDate(2023, 6, 14), QTime(10, 15)));
    }
}

TEST(ResizeCli, UprightTurnsThePixelsAndResetsTheOrientation)
{
    SKIP_WITHOUT_CLI();
    SKIP_WITHOUT_TOOL("exiftool");
    TempDir dir;
    const QString path = dir.write(QStringLiteral("p.jpg"), cameraPicture({480, 640}, samples::Orientation::Rotate90));
    const auto run = test::runCli({"resize", "-x", settingsFile(dir, false), "--upright", "--box", "300x300", path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(test::transform::jpegSize(test::readAll(path)), QSize(225, 300));
    EXPECT_EQ(exifValues(path, {"Orientation", "ExifImageWidth", "ExifImageHeight"}),
              (QStringList{"1", "225", "300"}));
}

TEST(ResizeCli, CopiesBackupsAndPicturesThatMustStayAsTheyWere)
{
    SKIP_WITHOUT_CLI();
    TempDir dir;
    const QByteArray camera = cameraPicture({800, 600});
    const QString path = dir.write(QStringLiteral("IMG_0001.jpg"), camera);

    // A copy leaves the picture alone; a second one counts on.
    for (const char* name : {"Copy of IMG_0001.jpg", "Copy (2) of IMG_0001.jpg"}) {
        const auto run = test::runCli({"resize", "-x", settingsFile(dir, true), "--copy", "--percent", "50", path});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.out.startsWith(dir.file(QString::fromUtf8(name)) + QStringLiteral("\t400x300\t")));
        EXPECT_EQ(test::readAll(path), camera);
        EXPECT_FALSE(QFileInfo::exists(originalBackupPath(path)));
    }
    // In place with CopyOriginal: the backup holds the old bytes, and keeps them on a second change.
    for (int i = 0; i < 2; ++i)
        ASSERT_EQ(test::runCli({"resize", "-x", settingsFile(dir, true), "--percent", "50", path}).exitCode, 0);
    EXPECT_EQ(test::transform::jpegSize(test::readAll(path)), QSize(200, 150));
    EXPECT_EQ(test::readAll(originalBackupPath(path)), camera);

    // Cut short, or unwritable: exit 1 naming the file, bytes unchanged.
    const QString cut = dir.write(QStringLiteral("cut.jpg"), camera.left(camera.size() * 6 / 10));
    const QString locked = dir.write(QStringLiteral("locked.jpg"), camera);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ReadGroup);
    const QString after = dir.write(QStringLiteral("after.jpg"), camera);
    for (const char* onError : {"cancel", "continue"}) {
        const auto run = test::runCli({"resize", "-x", settingsFile(dir, false), "--on-error", onError, "--box", "64x64",
                                       cut, locked, after});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(cut)) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(locked)) << run.err.toStdString();
        EXPECT_EQ(test::readAll(cut), camera.left(camera.size() * 6 / 10));
        EXPECT_EQ(test::readAll(locked), camera);
        // "cancel" ends the batch after the failed write; "continue" goes on.
        EXPECT_EQ(test::readAll(after) == camera, QLatin1String(onError) == QLatin1String("cancel")) << onError;
    }
    // And no backup of either, although CopyOriginal asks for one of every
    // picture that is changed.
    const QString changed = dir.write(QStringLiteral("changed.jpg"), camera);
    const auto backed = test::runCli({"resize", "-x", settingsFile(dir, true), "--on-error", "continue", "--box",
                                      "64x64", cut, locked, changed});
    EXPECT_EQ(backed.exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(originalBackupPath(cut)));
    EXPECT_FALSE(QFileInfo::exists(originalBackupPath(locked)));
    EXPECT_EQ(test::readAll(cut), camera.left(camera.size() * 6 / 10));
    EXPECT_EQ(test::readAll(locked), camera);
    // The option was on: the picture that was changed has its backup.
    EXPECT_EQ(test::readAll(originalBackupPath(changed)), camera);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".tmp")).size(), 0);
}

TEST(ResizeCli, CancelAfterAMissingBackupLeavesTheRestAlone)
{
    SKIP_WITHOUT_CLI();
    TempDir dir;
    const QByteArray camera = cameraPicture({800, 600});
    // Without any write permission bit the picture is write-protected for
    // the program, root included: its backup cannot be made.
    const QString locked = dir.write(QStringLiteral("locked.jpg"), camera);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ReadGroup);
    const QString next = dir.write(QStringLiteral("next.jpg"), camera);

    const auto cancelled = test::runCli({"resize", "-x", settingsFile(dir, true), "--on-error", "cancel", "--box",
                                         "64x64", locked, next});
    EXPECT_EQ(cancelled.exitCode, 1);
    EXPECT_TRUE(cancelled.err.contains(locked)) << cancelled.err.toStdString();
    EXPECT_TRUE(cancelled.out.isEmpty()) << cancelled.out.toStdString();
    EXPECT_EQ(test::readAll(locked), camera);
    EXPECT_EQ(test::readAll(next), camera);
    EXPECT_FALSE(QFileInfo::exists(originalBackupPath(locked)));
    EXPECT_FALSE(QFileInfo::exists(originalBackupPath(next)));

    // "continue" goes on with the next picture, which gets its backup.
    const auto continued = test::runCli({"resize", "-x", settingsFile(dir, true), "--on-error", "continue", "--box",
                                         "64x64", locked, next});
    EXPECT_EQ(continued.exitCode, 1);
    EXPECT_EQ(test::transform::jpegSize(test::readAll(next)), QSize(64, 48));
    EXPECT_EQ(test::readAll(originalBackupPath(next)), camera);
    EXPECT_EQ(test::readAll(locked), camera);
}

TEST(ResizeCli, FileSizeLimitOverCameraPictures)
{
    SKIP_WITHOUT_CLI();
    const QStringList samples = test::sampletools::sharedSamplePictures();
    if (samples.isEmpty())
        SKIP_OR_FAIL("no shared samples");
    TempDir dir;
    QStringList pictures;
    for (const QString& sample : samples) {
        if (pictures.size() == 20)
            break;
        if (sample.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive) && !sample.contains(QStringLiteral("/broken/")))
            pictures << dir.write(QStringLiteral("%1.jpg").arg(pictures.size()), test::readAll(sample));
    }
    const auto run = test::runCli(QStringList{"resize", "-x", settingsFile(dir, false), "--on-error", "continue",
                                              "--max-kb", "50"} + pictures);
    for (const QString& line : run.out.split(u'\n', Qt::SkipEmptyParts)) {
        const QString path = line.section(u'\t', 0, 0);
        if (QFileInfo(path).size() > 51200)
            EXPECT_TRUE(run.exitCode == 1 && run.err.contains(path)) << path.toStdString();
    }
    EXPECT_EQ(run.out.count(u'\n') + run.err.count(QStringLiteral("cannot decode")), pictures.size()) << run.err.toStdString();

    // A limit no trial can meet (a 20 KB comment rides along): the smallest is written, exit 1.
    const QByteArray small = test::transform::encodeLayout(test::transform::Layout::Yuv420, 400, 300);
    QByteArray padded = small.left(2) + QByteArray("\xFF\xFE\x4E\x22", 4) + QByteArray(20000, 'c') + small.mid(2);
    const QString big = dir.write(QStringLiteral("commented.jpg"), padded);
    const auto limited = test::runCli({"resize", "-x", settingsFile(dir, false), "--max-kb", "10", big});
    EXPECT_EQ(limited.exitCode, 1);
    EXPECT_TRUE(limited.err.contains(QStringLiteral("10 KB"))) << limited.err.toStdString();
    EXPECT_LT(QFileInfo(big).size(), padded.size());
}

} // namespace
} // namespace vistello

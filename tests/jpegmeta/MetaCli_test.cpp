// vistello-cli segments and exif, driven as a user drives them.
#include "jpegmeta/MetaFixtures.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vistello::test;

namespace {

QByteArray cameraLike()
{
    TiffBytes t(false);
    t.directory(8, 2, 100);
    t.entry(8, 0, 0x0110, 2, 5, 60);
    t.putRaw(60, QByteArray("VX-1\0", 5));
    t.entry(8, 1, 0x8769, 4, 1, 200);
    t.directory(200, 1);
    t.entry(200, 0, 0x9003, 2, 20, 300);
    t.putRaw(300, QByteArray("2004:02:29 13:05:09\0", 20));
    t.directory(100, 1);
    t.shortEntry(100, 0, 0x0103, 6);
    return jpegWith({segment(0xE0, "JFIF"), t.app1Segment(), segment(0xFE, "hi")});
}

TEST(MetaCli, SegmentsListTheHeaderRun)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("a.jpg"), cameraLike());
    const CliRun run = runCli({QStringLiteral("segments"), path});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("2\tFFE0\t6\n10\tFFE1\t1032\n1044\tFFFE\t4\nend\t1050\n"));

    const CliRun two = runCli({QStringLiteral("segments"), path, dir.file(QStringLiteral("missing.jpg"))});
    EXPECT_EQ(two.exitCode, 1);
    EXPECT_TRUE(two.out.startsWith(path + ":\n"));
    EXPECT_EQ(runCli({QStringLiteral("segments")}).exitCode, 2);
}

TEST(MetaCli, ExifPrintsTheTreeAndTheSummary)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("a.jpg"), cameraLike());
    const CliRun tree = runCli({QStringLiteral("exif"), path});
    ASSERT_EQ(tree.exitCode, 0);
    EXPECT_EQ(tree.out, QStringLiteral("2\t0x0110\t2\t5\t0x0000003C\n"
                                   "2\t0x8769\t4\t1\t0x000000C8\n"
                                   "  3\t0x9003\t2\t20\t0x0000012C\n"
                                   "5\t0x0103\t3\t1\t0x00000006\n"));

    const CliRun summary = runCli({QStringLiteral("exif"), QStringLiteral("--summary"), path});
    ASSERT_EQ(summary.exitCode, 0);
    EXPECT_TRUE(summary.out.contains("model: VX-1 \n"));
    EXPECT_TRUE(summary.out.contains("dateTakenText: 2004-02-29 13:05:09\n"));
    EXPECT_TRUE(summary.out.contains("pictureDate: 2004-02-29 13:05:09\n"));

    const QString bare = dir.write(QStringLiteral("b.jpg"), plainJpeg());
    // Without EXIF both forms fail.
    for (const QStringList& args : {QStringList{"exif", bare}, QStringList{"exif", "--summary", bare}}) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("no EXIF"))) << run.err.toStdString();
    }
}

} // namespace

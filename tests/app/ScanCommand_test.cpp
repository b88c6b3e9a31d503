// Drives the built vistello-cli scan as a user would. The file system's own
// order comes from find(1); which names are pictures is written out here.
#include "app/SampleTools.h"
#include "platform/MediaSupport.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

using vistello::test::CliRun;
using vistello::test::runCli;

namespace {

QStringList lines(const QString& text) { return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }

// find's listing of folder (readdir order, depth first), kept to the given names.
QStringList foundInOrder(const QString& folder, bool recursive, const QStringList& names)
{
    QStringList args{folder};
    if (!recursive)
        args << QStringLiteral("-maxdepth") << QStringLiteral("1");
    args << QStringLiteral("-type") << QStringLiteral("f");
    QStringList kept;
    for (const QString& path : lines(QString::fromUtf8(vistello::test::runProgram(QStringLiteral("find"), args).out)))
        if (names.contains(path.mid(folder.size())))
            kept << path;
    return kept;
}

} // namespace

TEST(ScanCommand, PrintsPicturesInScanOrderAndReportsErrors)
{
    SKIP_WITHOUT_CLI();
    SKIP_WITHOUT_TOOL("find");
    vistello::test::TempDir dir;
    for (const char* name : {"a.JPG", "b.Jpeg", "c.thm", "d.bmp", "e.avi", "notes.txt", "sub/f.jpg", "sub/deeper/g.jpe"})
        dir.write(QString::fromUtf8(name), "x");
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.file(QStringLiteral("fifo.jpg"))).constData(), 0600), 0);
    // Camera THM files are shown, BMP is only written, videos count when they can be played.
    QStringList pictures{"a.JPG", "b.Jpeg", "c.thm"};
    if (vistello::mediaPlaybackAvailable())
        pictures << "e.avi";
    const QStringList flat = foundInOrder(dir.path(), false, pictures);
    const QStringList deep = foundInOrder(dir.path(), true, pictures + QStringList{"sub/f.jpg", "sub/deeper/g.jpe"});
    ASSERT_EQ(flat.size(), pictures.size());

    const CliRun top = runCli({"scan", dir.path()});
    EXPECT_EQ(top.exitCode, 0);
    EXPECT_EQ(lines(top.out), flat);
    const CliRun all = runCli({"scan", "-i", dir.path().chopped(1)});
    EXPECT_EQ(all.exitCode, 0);
    EXPECT_EQ(lines(all.out), deep);
    const CliRun relative = runCli({"scan", "sub"}, dir.path());
    EXPECT_EQ(lines(relative.out), QStringList({dir.file(QStringLiteral("sub/f.jpg"))}));

    const CliRun missing = runCli({"scan", dir.file(QStringLiteral("missing"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_FALSE(missing.err.isEmpty());
    EXPECT_EQ(runCli({"scan", dir.file(QStringLiteral("a.JPG"))}).exitCode, 1); // a file is not a folder
    for (const QStringList& args : {QStringList(), QStringList({"-i"}), QStringList({"-x", dir.path()}),
                                    QStringList({dir.path(), dir.path()})})
        EXPECT_EQ(runCli(QStringList{"scan"} + args).exitCode, 2) << args.join(' ').toStdString();
}

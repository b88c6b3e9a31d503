// vistello-cli folder-stats as a user runs it: the numbers come from find(1)
// and stat(1) over the same tree, which holds a link back to its top and a
// FIFO named like a picture.
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

using vistello::test::CliRun;
using vistello::test::runCli;
using vistello::test::runProgram;

namespace {

QString formatKb(qint64 kb)
{
    if (kb < 1000)
        return QStringLiteral("%1 KB").arg(kb);
    if (kb < 1000000)
        return QString::asprintf("%.1f MB", kb / 1024.0);
    return QString::asprintf("%.2f GB", kb / 1048576.0);
}

TEST(FolderStatsCommand, PrintsPropertiesTreeInfoAndDriveLine)
{
    SKIP_WITHOUT_CLI();
    vistello::test::TempDir dir;
    for (const char* name : {"a.jpg", "b.JPG", "sub/c.jpeg", "sub/d.txt", "sub/deep/e.thm", "f.bmp"})
        dir.write(QString::fromLatin1(name), QByteArray(1536, 'x'));
    ASSERT_TRUE(QFile::link(dir.path(), dir.file("sub/loop")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.file("x.jpg")).constData(), 0600), 0);

    const QStringList found = QString::fromUtf8(runProgram(QStringLiteral("find"), {dir.path(), "-xdev", "-type", "f", "-iregex", R"(.*\.\(jpg\|jpeg\|jpe\|thm\))"}).out)
                                  .split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(found.size(), 4);
    const QList<QByteArray> fs =
        runProgram(QStringLiteral("stat"), {"-f", "-c", "%S %b", dir.path()}).out.trimmed().split(' ');
    ASSERT_EQ(fs.size(), 2);

    const CliRun run = runCli({"folder-stats", dir.path().chopped(1)});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 12) << run.out.toStdString();
    EXPECT_FALSE(QString(run.out).remove(QStringLiteral("\r\n")).contains(u'\n'));
    EXPECT_EQ(lines[1], QStringLiteral("Size: ") + formatKb(fs[1].toLongLong() * fs[0].toLongLong() / 1024));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Free: ")));
    EXPECT_EQ(lines[4], QLatin1Char('[') + dir.path() + QLatin1Char(']'));
    EXPECT_EQ(lines[5], QStringLiteral("Pictures: %1    Average picture size: 2 KB").arg(found.size()));
    EXPECT_EQ(lines[6], QStringLiteral("Size: %1 KB").arg(found.size() * 2));
    EXPECT_EQ(lines[8], QStringLiteral("Other objects: 2"));
    EXPECT_EQ(lines[11], QStringLiteral("Folders: 2"));

    EXPECT_EQ(runCli({"folder-stats", "--tree-info", dir.path()}).out, QStringLiteral("(2) (4 KB)\n"));
    EXPECT_EQ(runCli({"folder-stats", "--tree-info", dir.file("sub/deep/e.thm").chopped(5)}).out, QStringLiteral("(1) (2 KB)\n"));
    EXPECT_TRUE(runCli({"folder-stats", "--drive-line", dir.path()}).out.endsWith(QStringLiteral("\nAverage picture size: 2 KB\n")));
    EXPECT_EQ(runCli({"folder-stats", dir.file("missing")}).exitCode, 1);
    EXPECT_EQ(runCli({"folder-stats", "--tree-info", "--drive-line", dir.path()}).exitCode, 2);
    EXPECT_EQ(runCli({"folder-stats"}).exitCode, 2);
}

} // namespace

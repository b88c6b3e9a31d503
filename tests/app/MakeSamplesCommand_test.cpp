// vistello-cli make-samples, driven as the run script drives it.
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

using vistello::test::CliRun;
using vistello::test::runCli;
using vistello::test::TempDir;

TEST(MakeSamplesCommand, WritesTheSetIntoNewNestedFolders)
{
    SKIP_WITHOUT_CLI();
    TempDir dir;
    const QString target = dir.file("a/b/samples");
    const CliRun run = runCli({"make-samples", target});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    // The count printed is the count on disk.
    const qsizetype count = QDir(target).entryList(QDir::Files).size();
    EXPECT_GT(count, 10);
    EXPECT_EQ(run.out, QStringLiteral("%1 files written to %2\n").arg(count).arg(target));
    EXPECT_TRUE(run.err.isEmpty());
}

TEST(MakeSamplesCommand, UsageAndFailuresHaveTheirExitCodes)
{
    SKIP_WITHOUT_CLI();
    TempDir dir;
    for (const QStringList& args : {QStringList{}, QStringList{dir.file("x"), dir.file("y")}, QStringList{"-v"}}) {
        const CliRun usage = runCli(QStringList{"make-samples"} + args);
        EXPECT_EQ(usage.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(usage.out.isEmpty());
        EXPECT_TRUE(usage.err.startsWith("vistello-cli make-samples: "));
    }
    const QString blocker = dir.write("plain-file", "x");
    const CliRun failure = runCli({"make-samples", blocker + "/samples"});
    EXPECT_EQ(failure.exitCode, 1);
    EXPECT_TRUE(failure.out.isEmpty());
    EXPECT_TRUE(failure.err.contains(blocker)) << failure.err.toStdString();
}

// vistello-cli make-samples, driven as the run script drives it.
#include "app/samples/SampleSet.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using vistello::test::TempDir;

namespace {

struct MakeSamplesRun {
    int exitCode = -1;
    QString out;
    QString err;
};

MakeSamplesRun makeSamples(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(VISTELLO_CLI_PATH), QStringList{"make-samples"} + args);
    MakeSamplesRun run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

TEST(MakeSamplesCommand, WritesTheSetIntoNewNestedFolders)
{
    if (!QFile::exists(QStringLiteral(VISTELLO_CLI_PATH)))
        GTEST_SKIP() << "vistello-cli not built";
    TempDir dir;
    const QString target = dir.file("a/b/samples");
    const MakeSamplesRun run = makeSamples({target});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const qsizetype count = vistello::samples::SampleSet::fileNames().size();
    EXPECT_EQ(run.out, QStringLiteral("%1 files written to %2\n").arg(count).arg(target));
    EXPECT_TRUE(run.err.isEmpty());
    EXPECT_EQ(QDir(target).entryList(QDir::Files).size(), count);
}

TEST(MakeSamplesCommand, UsageAndFailuresHaveTheirExitCodes)
{
    if (!QFile::exists(QStringLiteral(VISTELLO_CLI_PATH)))
        GTEST_SKIP() << "vistello-cli not built";
    TempDir dir;
    for (const QStringList& args : {QStringList{}, QStringList{dir.file("x"), dir.file("y")}, QStringList{"-v"}}) {
        const MakeSamplesRun usage = makeSamples(args);
        EXPECT_EQ(usage.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(usage.out.isEmpty());
        EXPECT_TRUE(usage.err.startsWith("vistello-cli make-samples: "));
    }
    const QString blocker = dir.write("plain-file", "x");
    const MakeSamplesRun failure = makeSamples({blocker + "/samples"});
    EXPECT_EQ(failure.exitCode, 1);
    EXPECT_TRUE(failure.out.isEmpty());
    EXPECT_TRUE(failure.err.contains(blocker)) << failure.err.toStdString();
}

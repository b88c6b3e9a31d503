// vistello-cli formats and decode with the sample plug-in, checked with nm
// and against the PPM the test wrote.
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <sys/stat.h>

namespace vistello {
namespace {

const QString kSamplePlugin = QStringLiteral(VISTELLO_PLUGIN_BUILD_DIR "/vpl_sample_ppm.so");

// A folder holding only the sample plug-in.
QString pluginFolder(const test::TempDir& dir)
{
    const QString folder = dir.path() + QStringLiteral("plugins");
    QDir().mkpath(folder);
    QFile::copy(kSamplePlugin, folder + QStringLiteral("/vpl_sample_ppm.so"));
    return folder;
}

QByteArray samplePpm()
{
    QByteArray pixels;
    for (int i = 0; i < 7 * 5 * 3; ++i)
        pixels.append(char(i * 37 % 256));
    return QByteArray("P6\n7 5\n255\n") + pixels;
}

TEST(SamplePlugin, ExportsExactlyTheFivePluginFunctions)
{
    const QString nm = QStandardPaths::findExecutable(QStringLiteral("nm"));
    if (nm.isEmpty())
        SKIP_OR_FAIL("nm is not installed");
    const test::ProcessRun run = test::runProgram(nm, {QStringLiteral("-D"), QStringLiteral("--defined-only"), kSamplePlugin});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList names;
    for (const QByteArray& line : run.out.split('\n'))
        if (const QList<QByteArray> fields = line.simplified().split(' '); fields.size() == 3)
            names << QString::fromLatin1(fields[2]);
    names.sort();
    EXPECT_EQ(names, (QStringList{"GetPluginCnt", "GetPluginProc", "GetPluginType", "GetPluginVersion",
                                  "PluginSetInfoTemplates"}));
}

TEST(FormatsCli, ListsThePluginFormatAsExternAndJpegOnceAsIntern)
{
    SKIP_WITHOUT_CLI();
    test::TempDir dir;
    const test::CliRun run = test::runCli({QStringLiteral("formats"), QStringLiteral("--plugin-dir"), pluginFolder(dir)});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(lines.contains(QStringLiteral(".vpm\textern\tOnly read\tPortable pixmap (sample plug-in)")))
        << run.out.toStdString();
    EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^\\.jpg\\t"))),
              QStringList{QStringLiteral(".jpg\tintern\tRead and write\tJpeg picture format")});
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral(".vpm\t"))); // plug-in formats after the built-in ones

    const test::CliRun none = test::runCli({QStringLiteral("formats"), QStringLiteral("--no-plugins")});
    EXPECT_FALSE(none.out.contains(QStringLiteral("extern")));
}

TEST(FormatsCli, DecodesTheSampleFormatToTheSourcePixels)
{
    SKIP_WITHOUT_CLI();
    test::TempDir dir;
    const QString input = dir.write(QStringLiteral("x.vpm"), samplePpm());
    const QString output = dir.file(QStringLiteral("out.ppm"));
    const test::CliRun run = test::runCli({QStringLiteral("decode"), QStringLiteral("--plugin-dir"), pluginFolder(dir),
                                           input, QStringLiteral("-o"), output});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("7x5\n"));
    EXPECT_EQ(test::readAll(output), samplePpm());
}

TEST(FormatsCli, RefusesAPluginInAGroupWritableFolder)
{
    SKIP_WITHOUT_CLI();
    test::TempDir dir;
    const QString folder = pluginFolder(dir);
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0775), 0);
    const test::CliRun run = test::runCli({QStringLiteral("formats"), QStringLiteral("--plugin-dir"), folder});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_FALSE(run.out.contains(QStringLiteral(".vpm")));
    EXPECT_TRUE(run.err.contains(QStringLiteral("is writable by others"))) << run.err.toStdString();
}

} // namespace
} // namespace vistello

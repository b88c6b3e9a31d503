// Drives the built vistello-cli scan as a user would.
#include "core/filetypes/FolderScan.h"
#include "core/filetypes/PictureFileTypes.h"
#include "platform/MediaSupport.h"
#include "support/TempDir.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

struct CliRun {
    int exitCode = -1;
    QStringList lines;
    bool wroteError = false;
};

CliRun runScan(const QStringList& args, const QString& workingDirectory = {})
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(VISTELLO_CLI_PATH), QStringList(QStringLiteral("scan")) + args);
    CliRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    run.wroteError = !process.readAllStandardError().isEmpty();
    return run;
}

} // namespace

TEST(ScanCommand, PrintsPicturesInScanOrderAndReportsErrors)
{
    if (!QFile::exists(QStringLiteral(VISTELLO_CLI_PATH)))
        GTEST_SKIP() << "vistello-cli not built";
    vistello::test::TempDir dir;
    for (const char* name : {"a.JPG", "b.Jpeg", "c.thm", "d.bmp", "e.avi", "notes.txt", "sub/f.jpg", "sub/deeper/g.jpe"})
        dir.write(QString::fromUtf8(name), "x");
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.file(QStringLiteral("fifo.jpg"))).constData(), 0600), 0);

    // The registration the command makes gives the expected order.
    auto& types = vistello::PictureFileTypes::instance();
    types.clear();
    types.registerBuiltIns(vistello::mediaPlaybackAvailable(), nullptr);
    const QStringList flat = vistello::scanPictures(dir.path(), false);
    const QStringList deep = vistello::scanPictures(dir.path(), true);
    types.clear();
    EXPECT_EQ(flat.size(), vistello::mediaPlaybackAvailable() ? 4 : 3);
    EXPECT_EQ(deep.size(), flat.size() + 2);

    const CliRun top = runScan({dir.path()});
    EXPECT_EQ(top.exitCode, 0);
    EXPECT_EQ(top.lines, flat);
    const CliRun all = runScan({QStringLiteral("-i"), dir.path().chopped(1)});
    EXPECT_EQ(all.exitCode, 0);
    EXPECT_EQ(all.lines, deep);
    const CliRun relative = runScan({QStringLiteral("sub")}, dir.path());
    EXPECT_EQ(relative.lines, QStringList({dir.file(QStringLiteral("sub/f.jpg"))}));

    const CliRun missing = runScan({dir.file(QStringLiteral("missing"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.lines.isEmpty());
    EXPECT_TRUE(missing.wroteError);
    EXPECT_EQ(runScan({dir.file(QStringLiteral("a.JPG"))}).exitCode, 1); // a file is not a folder
    for (const QStringList& args : {QStringList(), QStringList({"-i"}), QStringList({"-x", dir.path()}),
                                    QStringList({dir.path(), dir.path()})})
        EXPECT_EQ(runScan(args).exitCode, 2) << args.join(' ').toStdString();
}

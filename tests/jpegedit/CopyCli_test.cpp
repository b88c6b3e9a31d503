// vistello-cli copy, driven as a user drives it.
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace vistello {
namespace {

using test::TempDir;

TEST(CopyCli, printsEachNewPathInTheOrderGiven)
{
    SKIP_WITHOUT_CLI();
    TempDir dir;
    const QString b = dir.write(QStringLiteral("b.jpg"), "b");
    const QString a = dir.write(QStringLiteral("IMG_0007.JPG"), "a");
    dir.write(QStringLiteral("SND_0007.wav"), "memo");
    dir.write(QStringLiteral("Copy of b.jpg"), "earlier copy");
    const auto run = test::runCli({"copy", b, a});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, dir.file(QStringLiteral("Copy (2) of b.jpg\n")) + dir.file(QStringLiteral("Copy of IMG_0007.JPG\n")));
    EXPECT_EQ(test::readAll(dir.file(QStringLiteral("Copy (2) of b.jpg"))), QByteArray("b"));
    EXPECT_EQ(test::readAll(dir.file(QStringLiteral("Copy of IMG_0007.wav"))), QByteArray("memo"));
    EXPECT_TRUE(run.err.isEmpty());
}

TEST(CopyCli, aFileThatCannotBeCopiedFailsTheRunButNotTheOthers)
{
    SKIP_WITHOUT_CLI();
    TempDir dir;
    const QString missing = dir.file(QStringLiteral("missing.jpg"));
    const QString folder = dir.write(QStringLiteral("folder.jpg/inside"), "x");
    const QString a = dir.write(QStringLiteral("a.jpg"), "a");
    const auto run = test::runCli({"copy", missing, folder.left(folder.lastIndexOf(QLatin1Char('/'))), a});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, dir.file(QStringLiteral("Copy of a.jpg\n")));
    EXPECT_TRUE(run.err.contains(missing)) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(dir.file(QStringLiteral("folder.jpg")))) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("Copy of missing.jpg"))));
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("Copy of folder.jpg"))));
}

TEST(CopyCli, withoutFilesIsAUsageError)
{
    SKIP_WITHOUT_CLI();
    const auto run = test::runCli({"copy"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("usage: vistello-cli copy FILE..."))) << run.err.toStdString();
}

} // namespace
} // namespace vistello

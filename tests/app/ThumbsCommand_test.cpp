// Drives the built vistello-cli thumbs as a user would: one PNG tile per
// picture of the sorted list, named by its index, and the summary line.
#include "app/samples/SamplePicture.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

vistello::test::CliRun runThumbs(const QStringList& args)
{
    return vistello::test::runCli(QStringList(QStringLiteral("thumbs")) + args);
}

QByteArray sample(QSize size)
{
    vistello::samples::SamplePictureSpec recipe;
    recipe.displaySize = size;
    return vistello::samples::buildSamplePicture(recipe);
}

TEST(ThumbsCommand, WritesOneTilePerPictureInListOrder)
{
    SKIP_WITHOUT_CLI();
    vistello::test::TempDir dir;
    dir.write(QStringLiteral("in/b.jpg"), sample({200, 100})); // index 1 in the sorted list
    dir.write(QStringLiteral("in/A.jpg"), sample({100, 200})); // index 0
    dir.write(QStringLiteral("in/c.jpg"), "broken");           // index 2: no tile, exit status 1
    dir.write(QStringLiteral("in/notes.txt"), "not a picture");
    const QString out = dir.file(QStringLiteral("out"));

    const vistello::test::CliRun run = runThumbs({dir.file(QStringLiteral("in")), QStringLiteral("-o"), out});
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^2 tiles in \\d+ ms\\n$")).match(run.out).hasMatch())
        << run.out.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("c.jpg")));
    EXPECT_EQ(QDir(out).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("0000.png"), QStringLiteral("0001.png")}));
    const QImage portrait(out + QStringLiteral("/0000.png"));
    const QImage landscape(out + QStringLiteral("/0001.png"));
    ASSERT_EQ(portrait.size(), QSize(80, 80));
    ASSERT_EQ(landscape.size(), QSize(80, 80));
    // White tile colour beside the 40 x 80 portrait and above the 80 x 40 landscape.
    EXPECT_EQ(portrait.pixel(5, 40), qRgb(255, 255, 255));
    EXPECT_NE(portrait.pixel(40, 40), qRgb(255, 255, 255));
    EXPECT_EQ(landscape.pixel(40, 5), qRgb(255, 255, 255));
    EXPECT_NE(landscape.pixel(40, 40), qRgb(255, 255, 255));
}

TEST(ThumbsCommand, BoxOptionAndUsageErrors)
{
    SKIP_WITHOUT_CLI();
    vistello::test::TempDir dir;
    dir.write(QStringLiteral("in/a.jpg"), sample({300, 200}));
    const QString in = dir.file(QStringLiteral("in"));
    const QString out = dir.file(QStringLiteral("out"));
    const vistello::test::CliRun boxed = runThumbs({QStringLiteral("--box"), QStringLiteral("120x90"), in,
                                    QStringLiteral("-o"), out});
    EXPECT_EQ(boxed.exitCode, 0);
    EXPECT_EQ(QImage(out + QStringLiteral("/0000.png")).size(), QSize(120, 90));

    EXPECT_EQ(runThumbs({in}).exitCode, 2);
    EXPECT_EQ(runThumbs({QStringLiteral("-o"), out}).exitCode, 2);
    EXPECT_EQ(runThumbs({QStringLiteral("--box"), QStringLiteral("0x5"), in, QStringLiteral("-o"), out}).exitCode, 2);
    EXPECT_EQ(runThumbs({QStringLiteral("--bogus"), in, QStringLiteral("-o"), out}).exitCode, 2);
    EXPECT_EQ(runThumbs({dir.file(QStringLiteral("missing")), QStringLiteral("-o"), out}).exitCode, 1);
}

} // namespace

// Drives the built vistello-cli thumbs as a user would: one PNG tile per
// picture of the sorted list, named by its index, and the summary line.
#include "app/samples/SamplePicture.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The desktop's shared thumbnails go to a scratch cache home, never the
// user's; set for the test's lifetime and inherited by the program.
class ScratchCacheHome {
public:
    ScratchCacheHome() : saved_(qgetenv("XDG_CACHE_HOME"))
    {
        qputenv("XDG_CACHE_HOME", QFile::encodeName(dir_.file(QStringLiteral("cache"))));
    }
    ~ScratchCacheHome()
    {
        if (saved_.isEmpty())
            qunsetenv("XDG_CACHE_HOME");
        else
            qputenv("XDG_CACHE_HOME", saved_);
    }
    QString thumbnails() const { return dir_.file(QStringLiteral("cache/thumbnails")); }

private:
    vistello::test::TempDir dir_;
    QByteArray saved_;
};

vistello::test::CliRun runThumbs(const QStringList& args)
{
    return vistello::test::runCli(QStringList(QStringLiteral("thumbs")) + args);
}

QByteArray sample(QSize size)
{
    vistello::samples::SamplePictureRecipe recipe;
    recipe.displaySize = size;
    return vistello::samples::buildSamplePicture(recipe);
}

TEST(ThumbsCommand, WritesOneTilePerPictureInListOrder)
{
    SKIP_WITHOUT_CLI();
    const ScratchCacheHome cache;
    vistello::test::TempDir dir;
    dir.write(QStringLiteral("in/b.jpg"), sample({200, 100})); // index 1 in the sorted list
    dir.write(QStringLiteral("in/A.jpg"), sample({100, 200})); // index 0
    dir.write(QStringLiteral("in/c.jpg"), "broken");           // index 2: no tile, exit status 1
    dir.write(QStringLiteral("in/notes.txt"), "not a picture");
    const QString out = dir.file(QStringLiteral("out"));

    const vistello::test::CliRun run = runThumbs({dir.file(QStringLiteral("in")), QStringLiteral("-o"), out});
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^2 tiles in \\d+ ms\\n"
                                                  "from shared cache 0, embedded thumbnail 2, decoded 0, unreadable 1\\n$")).match(run.out).hasMatch())
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
    const ScratchCacheHome cache;
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

QByteArray withoutThumbnail(QSize size)
{
    vistello::samples::SamplePictureRecipe recipe;
    recipe.displaySize = size;
    recipe.thumbnail = false;
    return vistello::samples::buildSamplePicture(recipe);
}

// The second run takes every tile from the shared thumbnails the first one
// wrote; without the shared cache nothing is read or written there.
TEST(ThumbsCommand, CountsTheSourcesAndFillsTheSharedCacheUnlessTold)
{
    SKIP_WITHOUT_CLI();
    const ScratchCacheHome cache;
    vistello::test::TempDir dir;
    dir.write(QStringLiteral("in/a.jpg"), withoutThumbnail({400, 300}));
    dir.write(QStringLiteral("in/b.jpg"), withoutThumbnail({300, 400}));
    dir.write(QStringLiteral("in/c.jpg"), sample({640, 480})); // with its EXIF thumbnail
    const QString in = dir.file(QStringLiteral("in"));
    const QString out = dir.file(QStringLiteral("out"));

    const vistello::test::CliRun plain = runThumbs({QStringLiteral("--no-shared-cache"), in, QStringLiteral("-o"), out});
    EXPECT_EQ(plain.exitCode, 0) << plain.err.toStdString();
    EXPECT_TRUE(plain.out.contains(QStringLiteral("from shared cache 0, embedded thumbnail 1, decoded 2, unreadable 0\n")))
        << plain.out.toStdString();
    EXPECT_FALSE(QDir(cache.thumbnails()).exists());

    const vistello::test::CliRun first = runThumbs({in, QStringLiteral("-o"), out});
    EXPECT_TRUE(first.out.contains(QStringLiteral("from shared cache 0, embedded thumbnail 1, decoded 2, unreadable 0\n")))
        << first.out.toStdString();
    EXPECT_EQ(QDir(cache.thumbnails() + QStringLiteral("/normal")).entryList(QDir::Files).size(), 2);
    const QImage decoded(out + QStringLiteral("/0000.png"));

    const vistello::test::CliRun second = runThumbs({in, QStringLiteral("-o"), out});
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_TRUE(second.out.contains(QStringLiteral("from shared cache 2, embedded thumbnail 1, decoded 0, unreadable 0\n")))
        << second.out.toStdString();
    // The tile from the cache is the decoded one, give or take the PNG's scaling.
    const QImage cached(out + QStringLiteral("/0000.png"));
    ASSERT_EQ(cached.size(), decoded.size());
    const QRgb a = decoded.pixel(40, 40);
    const QRgb b = cached.pixel(40, 40);
    EXPECT_LE(std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)), 12);
}

} // namespace

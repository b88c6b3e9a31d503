// The view's picture object: cache use, the thumbnail variant, the failure
// text, the process-wide registry, and the command line's decode.
#include "app/samples/SamplePicture.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/DecodeFixtures.h"
#include "imaging/decode/DecodedPicture.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vistello;
using namespace vistello::test;
using namespace vistello::test::decode;

namespace {

class DecodedPictureTest : public testing::Test {
protected:
    void SetUp() override { ensureBuiltIns(); }
    TempDir dir;
};

TEST_F(DecodedPictureTest, LoadFitsTheBoxAndCachesTheResult)
{
    const QString path = dir.write(QStringLiteral("a.jpg"), encode(scene(640, 480)));
    DecodedPicture picture;
    picture.setBox(200, 200);
    ASSERT_TRUE(picture.load(path));
    EXPECT_TRUE(picture.valid());
    EXPECT_EQ(picture.width(), 200);
    EXPECT_EQ(picture.height(), 150);
    EXPECT_EQ(picture.fileWidth(), 640);
    EXPECT_EQ(picture.image().bytesPerLine() % 4, 0);
    EXPECT_EQ(picture.cache().size(), 1);

    // The cached bitmap comes back even after the file is gone, until dropped.
    QFile::remove(path);
    ASSERT_TRUE(picture.load(path));
    dropPathEverywhere(path);
    EXPECT_EQ(picture.cache().size(), 0);
    EXPECT_FALSE(picture.load(path));
    EXPECT_EQ(picture.width(), 0);
}

TEST_F(DecodedPictureTest, FailureTextNamesThePath)
{
    DecodedPicture picture;
    const QString path = dir.write(QStringLiteral("broken.jpg"), QByteArray("not a picture"));
    EXPECT_FALSE(picture.load(path));
    EXPECT_EQ(picture.failureText(), QStringLiteral("Error reading picture \"%1\".").arg(path));
    EXPECT_FALSE(picture.load(dir.write(QStringLiteral("notes.txt"), QByteArray("x")))); // no handler
}

TEST_F(DecodedPictureTest, ThmFilesDecodeAsJpegButAreNeverWritten)
{
    DecodedPicture picture;
    ASSERT_TRUE(picture.load(dir.write(QStringLiteral("MVI_0001.THM"), encode(scene(160, 120)))));
    EXPECT_EQ(picture.image().size(), QSize(160, 120));
    EXPECT_FALSE(PictureFileTypes::instance().isWritableFormat(u"MVI_0001.THM"));
}

TEST_F(DecodedPictureTest, NegativeBoxFailsAtOnce)
{
    DecodedPicture picture;
    picture.setBox(-1, 100);
    EXPECT_FALSE(picture.load(dir.write(QStringLiteral("a.jpg"), encode(scene(64, 48)))));
}

TEST_F(DecodedPictureTest, RegistryReachesEveryObject)
{
    const QString path = dir.write(QStringLiteral("a.jpg"), encode(scene(64, 48)));
    const QString renamed = dir.file(QStringLiteral("b.jpg"));
    DecodedPicture one;
    DecodedPicture two;
    EXPECT_NE(one.id(), two.id());
    ASSERT_TRUE(one.load(path));
    ASSERT_TRUE(two.load(path));
    renameEverywhere(path, renamed);
    EXPECT_TRUE(one.load(renamed)); // from the cache: no file of that name exists
    clearEverywhere();
    EXPECT_EQ(one.cache().size(), 0);
    EXPECT_EQ(two.cache().size(), 0);
}

TEST_F(DecodedPictureTest, ThumbnailComesFromTheExifThumbnailWithMediaMarks)
{
    samples::SamplePictureRecipe recipe;
    recipe.displaySize = QSize(1600, 1200);
    recipe.orientation = samples::Orientation::Rotate90;
    const QString path = dir.write(QStringLiteral("IMG_0001.jpg"), samples::buildSamplePicture(recipe));
    DecodedPicture thumbs;
    thumbs.setBox(160, 160);
    thumbs.setShowMediaMarks(true);
    ASSERT_TRUE(thumbs.loadThumbnail(path));
    // The stored pixels stand 1200 × 1600, their thumbnail 120 × 160: upright 160 × 120.
    EXPECT_EQ(thumbs.image().size(), QSize(160, 120));
    EXPECT_EQ(thumbs.orientation(), 6);
    EXPECT_EQ(thumbs.fileWidth(), 120);
    EXPECT_EQ(thumbs.mediaMark(), 0);

    dir.write(QStringLiteral("IMG_0002.WAV"), QByteArray("RIFF"));
    const QString second = dir.write(QStringLiteral("IMG_0002.jpg"), samples::buildSamplePicture(recipe));
    ASSERT_TRUE(thumbs.loadThumbnail(second));
    EXPECT_EQ(thumbs.mediaMark(), 2);
}

TEST_F(DecodedPictureTest, ThumbnailWithoutEmbeddedOneDecodesTheFile)
{
    const QString path = dir.write(QStringLiteral("plain.jpg"), encode(scene(800, 600)));
    DecodedPicture thumbs;
    thumbs.setBox(160, 160);
    ASSERT_TRUE(thumbs.loadThumbnail(path));
    EXPECT_EQ(thumbs.image().size(), QSize(160, 120));
    EXPECT_EQ(thumbs.fileWidth(), 800);
}

TEST_F(DecodedPictureTest, CommandLineWritesWhatTheViewGets)
{
    const QString path = dir.write(QStringLiteral("big.jpg"), encode(scene(3000, 2000)));
    const QString ppm = dir.file(QStringLiteral("out.ppm"));
    test::CliRun run = test::runCli({QStringLiteral("decode"), QStringLiteral("--box"), QStringLiteral("800x600"), path,
                                     QStringLiteral("-o"), ppm});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("800x533\n"));
    EXPECT_EQ(readPnm(readAll(ppm)).size(), QSize(800, 533));

    const QString png = dir.file(QStringLiteral("raw.png"));
    run = test::runCli({QStringLiteral("decode"), QStringLiteral("--raw"), QStringLiteral("--box"), QStringLiteral("800x600"),
                        path, QStringLiteral("-o"), png});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("1125x750\n"));
    EXPECT_EQ(QImage(png).size(), QSize(1125, 750));

    run = test::runCli({QStringLiteral("decode"), path});
    EXPECT_EQ(run.exitCode, 2);
}

} // namespace

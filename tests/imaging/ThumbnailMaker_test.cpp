// Where a tile comes from: the desktop's shared thumbnail when fresh (even
// one another program wrote), the embedded thumbnail when large enough, else
// a decode that fills the shared cache for the others.
#include "imaging/thumbnails/ThumbnailMaker.h"

#include "app/samples/SamplePicture.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/sharedthumbs/SharedThumbnails.h"
#include "imaging/sharedthumbs/ThumbnailUri.h"
#include "imaging/thumbnails/SoundMarkIndex.h"
#include "support/TempDir.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <gtest/gtest.h>

namespace vistello {
namespace {

class ThumbnailMakerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PictureFileTypes::instance().clear();
        registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    }
    void TearDown() override { PictureFileTypes::instance().clear(); }

    QString writeSample(const QString& name, QSize size, bool thumbnail)
    {
        samples::SamplePictureRecipe recipe;
        recipe.fileName = name;
        recipe.displaySize = size;
        recipe.thumbnail = thumbnail;
        return dir_.write(QStringLiteral("pictures/") + name, samples::buildSamplePicture(recipe));
    }
    ThumbnailPicture make(const QString& path, QSize box = {80, 80}, const SharedThumbnails* shared = nullptr)
    {
        ThumbnailMakerSetup setup;
        setup.box = box;
        setup.showMediaMarks = false;
        setup.shared = shared ? shared : &shared_;
        ThumbnailMaker maker(setup); // a new one: nothing in its own cache
        return maker.make(path);
    }
    QStringList written(const char* folder) const
    {
        return QDir(root_ + QLatin1Char('/') + QLatin1String(folder)).entryList(QDir::Files);
    }
    void touch(const QString& path)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QFileInfo(path).lastModified().addSecs(10), QFileDevice::FileModificationTime));
    }

    test::TempDir dir_;
    QString root_ = dir_.file(QStringLiteral("cache/thumbnails"));
    SharedThumbnails shared_{root_};
};

TEST_F(ThumbnailMakerTest, DecodedOnceThenTakenFromTheSharedCache)
{
    const QString path = writeSample(QStringLiteral("scan.jpg"), {800, 600}, false);
    const ThumbnailPicture first = make(path);
    EXPECT_EQ(first.source, ThumbnailSource::Decoded);
    EXPECT_EQ(first.image.size(), QSize(80, 60));
    ASSERT_EQ(written("normal"), QStringList{sharedThumbnailName(fileUri(path))});
    EXPECT_EQ(QImageReader(root_ + QStringLiteral("/normal/") + written("normal").front()).size(), QSize(128, 96));

    const ThumbnailPicture second = make(path);
    EXPECT_EQ(second.source, ThumbnailSource::Shared);
    EXPECT_EQ(second.image.size(), QSize(80, 60));

    touch(path); // a new mtime: the shared thumbnail is stale
    EXPECT_EQ(make(path).source, ThumbnailSource::Decoded);
}

TEST_F(ThumbnailMakerTest, AnotherProgramsThumbnailIsUsedWithoutDecoding)
{
    // Not a picture at all: a tile can only come from the shared cache.
    const QString path = dir_.write(QStringLiteral("pictures/elsewhere.jpg"), "no JPEG here");
    QImage other(128, 64, QImage::Format_ARGB32);
    other.fill(qRgb(0, 200, 0));
    other.setText(QStringLiteral("Thumb::URI"), QString::fromLatin1(fileUri(path)));
    other.setText(QStringLiteral("Thumb::MTime"), QString::number(QFileInfo(path).lastModified().toSecsSinceEpoch()));
    QDir().mkpath(root_ + QStringLiteral("/normal"));
    ASSERT_TRUE(other.save(root_ + QStringLiteral("/normal/") + sharedThumbnailName(fileUri(path)), "PNG"));

    const ThumbnailPicture taken = make(path);
    EXPECT_EQ(taken.source, ThumbnailSource::Shared);
    EXPECT_EQ(taken.image.size(), QSize(80, 40));
    EXPECT_EQ(taken.image.pixel(40, 20), qRgb(0, 200, 0));

    // Stale now: the decode fails, which is recorded for the other programs.
    touch(path);
    EXPECT_EQ(make(path).source, ThumbnailSource::Unreadable);
    EXPECT_EQ(written("fail/vistello-le").size(), 1);
    EXPECT_TRUE(shared_.failedBefore(QFileInfo(path)));
}

TEST_F(ThumbnailMakerTest, EmbeddedThumbnailServesWhenLargeEnoughAndIsNotShared)
{
    const QString path = writeSample(QStringLiteral("IMG_0001.JPG"), {1600, 1200}, true);
    const ThumbnailPicture small = make(path);
    EXPECT_EQ(small.source, ThumbnailSource::Embedded);
    EXPECT_EQ(small.image.size(), QSize(80, 60));
    EXPECT_TRUE(written("normal").isEmpty());

    // A tile larger than the embedded thumbnail: decoded, and "large" written.
    const ThumbnailPicture large = make(path, {200, 200});
    EXPECT_EQ(large.source, ThumbnailSource::Decoded);
    EXPECT_EQ(large.image.size(), QSize(200, 150));
    ASSERT_EQ(written("large").size(), 1);
    EXPECT_EQ(QImageReader(root_ + QStringLiteral("/large/") + written("large").front()).size(), QSize(256, 192));
}

// The mark does not depend on where the tile came from.
TEST_F(ThumbnailMakerTest, TilesFromTheSharedCacheKeepTheirSoundMark)
{
    const QString path = writeSample(QStringLiteral("IMG_0003.jpg"), {800, 600}, false);
    dir_.write(QStringLiteral("pictures/IMG_0003.WAV"), "riff");
    SoundMarkIndex sounds;
    ThumbnailMakerSetup setup;
    setup.shared = &shared_;
    setup.sounds = &sounds;
    for (const ThumbnailSource expected : {ThumbnailSource::Decoded, ThumbnailSource::Shared}) {
        ThumbnailMaker maker(setup);
        const ThumbnailPicture picture = maker.make(path);
        EXPECT_EQ(picture.source, expected);
        EXPECT_EQ(picture.mediaMark, 2);
    }
}

TEST_F(ThumbnailMakerTest, WithoutWritingTheTileIsDecodedAtItsOwnSize)
{
    const QString path = writeSample(QStringLiteral("b.jpg"), {800, 600}, false);
    const SharedThumbnails readOnly(root_, false);
    const ThumbnailPicture picture = make(path, {80, 80}, &readOnly);
    EXPECT_EQ(picture.source, ThumbnailSource::Decoded);
    EXPECT_EQ(picture.image.size(), QSize(80, 60));
    EXPECT_FALSE(QDir(root_).exists());
}

} // namespace
} // namespace vistello

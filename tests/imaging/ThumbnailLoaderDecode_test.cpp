// The thumbnail loader over real generated JPEG files: tiles from the EXIF
// thumbnail, the companion-sound mark, and a stop during a large decode.
#include "app/samples/JpegWriter.h"
#include "app/samples/SamplePicture.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/decode/DecodedPicture.h"
#include "imaging/sharedthumbs/SharedThumbnails.h"
#include "imaging/thumbnails/ThumbnailLoader.h"
#include "resources/MediaMarks.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

namespace vistello {
namespace {

using namespace std::chrono_literals;

class TileCollector : public ThumbnailSink {
public:
    void thumbnailReady(quint64, int index, const QImage& tile, int mark) override
    {
        std::lock_guard lock(mutex_);
        tiles_.push_back({index, tile, mark});
    }
    void allThumbnailsDone(quint64) override
    {
        std::lock_guard lock(mutex_);
        done_ = true;
        changed_.notify_all();
    }
    bool waitDone()
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, 30s, [this] { return done_; });
    }
    struct Tile {
        int index;
        QImage image;
        int mark;
    };
    std::vector<Tile> tiles()
    {
        std::lock_guard lock(mutex_);
        return tiles_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Tile> tiles_;
    bool done_ = false;
};

class ThumbnailLoaderDecode : public ::testing::Test {
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
        return dir_.write(name, samples::buildSamplePicture(recipe));
    }

    test::TempDir dir_;
};

TEST_F(ThumbnailLoaderDecode, TilesAreCentredAndMarkedAndBrokenFilesReported)
{
    const QStringList paths = {
        writeSample(QStringLiteral("IMG_0001.JPG"), {640, 480}, true),
        writeSample(QStringLiteral("IMG_0002.JPG"), {480, 640}, false),
        dir_.write(QStringLiteral("IMG_0003.JPG"), "not a picture"),
    };
    dir_.write(QStringLiteral("IMG_0001.WAV"), "RIFF");
    TileCollector sink;
    ThumbnailOptions options;
    options.background = qRgb(1, 2, 3);
    ThumbnailLoader loader(sink, paths, options);
    loader.start();
    ASSERT_TRUE(sink.waitDone());
    ASSERT_TRUE(loader.stop(2000));

    const auto tiles = sink.tiles();
    ASSERT_EQ(tiles.size(), 3u);
    // 4:3 landscape: 80 x 60, a 10-pixel band above and below.
    const QImage& landscape = tiles[0].image;
    ASSERT_EQ(landscape.size(), QSize(80, 80));
    EXPECT_EQ(landscape.pixel(40, 5), qRgb(1, 2, 3));
    EXPECT_NE(landscape.pixel(40, 15), qRgb(1, 2, 3));
    EXPECT_EQ(tiles[0].mark, 2);
    EXPECT_EQ(landscape.copy(67, 65, 13, 15), mediaMarkImage(2));
    // Portrait without EXIF thumbnail: decoded from the picture, 60 x 80.
    const QImage& portrait = tiles[1].image;
    EXPECT_EQ(portrait.pixel(5, 40), qRgb(1, 2, 3));
    EXPECT_NE(portrait.pixel(15, 40), qRgb(1, 2, 3));
    EXPECT_EQ(tiles[1].mark, 0);
    EXPECT_TRUE(tiles[2].image.isNull());
}

TEST_F(ThumbnailLoaderDecode, StopDuringALargeDecodeMeetsTheTimeOutAndDeliversNothing)
{
    // 48 megapixels: even a 1/8 decode reads every coded block.
    QImage big(8000, 6000, QImage::Format_RGB888);
    const qsizetype rowBytes = big.width() * 3;
    QByteArray pattern(rowBytes + 64, Qt::Uninitialized);
    for (qsizetype i = 0; i < pattern.size(); ++i)
        pattern[i] = char((i * 7) ^ (i >> 5) ^ (i * i >> 9));
    for (int y = 0; y < big.height(); ++y)
        std::memcpy(big.scanLine(y), pattern.constData() + (y * 11) % 64, size_t(rowBytes));
    samples::JpegWriteOptions write;
    write.quality = 90;
    const QString path = dir_.write(QStringLiteral("big.jpg"), samples::JpegWriter::encode(big, write));
    big = QImage();

    for (auto delay : {0ms, 30ms, 150ms}) {
        TileCollector sink;
        ThumbnailLoader loader(sink, {path});
        loader.start();
        std::this_thread::sleep_for(delay);
        EXPECT_TRUE(loader.stop(2000)) << delay.count();
        const size_t delivered = sink.tiles().size();
        std::this_thread::sleep_for(20ms);
        EXPECT_EQ(sink.tiles().size(), delivered);
    }
}

// A job that rewrote a file drops it from every cache while the loader may be
// storing tiles in its own: the drop waits for the loader's checkpoint (the
// ThreadSanitizer build reports the race otherwise).
TEST_F(ThumbnailLoaderDecode, CachesAreDroppedOnlyWhileTheLoaderIsPaused)
{
    QStringList paths;
    for (int i = 0; i < 6; ++i)
        paths << writeSample(QStringLiteral("IMG_%1.JPG").arg(i), {320, 240}, i % 2 == 0);
    TileCollector sink;
    ThumbnailLoader loader(sink, paths);
    loader.start();
    for (int round = 0; round < 40; ++round) {
        dropPathEverywhere(paths.at(round % paths.size()));
        loader.pause();
        loader.invalidate(round % paths.size()); // keep the loader busy
        loader.resume();
        loader.wake();
    }
    ASSERT_TRUE(loader.stop(5000));
    EXPECT_GE(sink.tiles().size(), size_t(paths.size()));
}

// Two lanes write and then read the shared thumbnails at once (run under
// ThreadSanitizer too).
TEST_F(ThumbnailLoaderDecode, TwoLanesFillTheSharedCacheThenReadIt)
{
    QStringList paths;
    for (int i = 0; i < 8; ++i)
        paths << writeSample(QStringLiteral("scan_%1.jpg").arg(i), {480, 360}, false);
    ThumbnailOptions options;
    options.lanes = 2;
    options.showMediaMarks = false;
    options.shared = std::make_shared<SharedThumbnails>(dir_.file(QStringLiteral("cache/thumbnails")));
    for (const ThumbnailSource expected : {ThumbnailSource::Decoded, ThumbnailSource::Shared}) {
        TileCollector sink;
        ThumbnailLoader loader(sink, paths, options);
        loader.start();
        ASSERT_TRUE(sink.waitDone());
        EXPECT_EQ(loader.madeFrom(expected), 8);
        EXPECT_TRUE(loader.stop(5000));
        for (const TileCollector::Tile& tile : sink.tiles())
            EXPECT_EQ(tile.image.size(), QSize(80, 80));
    }
}

} // namespace
} // namespace vistello

// The thumbnail loader's order of work, its response to list changes made
// while it is paused, and what it delivers after a stop. Pictures come from a
// fake decoder that records the order and can be held.
#include "imaging/thumbnails/ThumbnailLoader.h"
#include "platform/ThreadPriority.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace vistello {
namespace {

using namespace std::chrono_literals;

struct Delivery {
    quint64 generation;
    int index;
    bool broken;
    int mark;
};

class RecordingSink : public ThumbnailSink {
public:
    void thumbnailReady(quint64 generation, int index, const QImage& tile, int mark) override
    {
        std::lock_guard lock(mutex_);
        tiles_.push_back({generation, index, tile.isNull(), mark});
        changed_.notify_all();
    }
    void allThumbnailsDone(quint64 generation) override
    {
        std::lock_guard lock(mutex_);
        doneGenerations_.push_back(generation);
        changed_.notify_all();
    }

    // Waits until the loader reported completion for generation (count times).
    bool waitAllDone(quint64 generation, size_t count = 1)
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, 10s, [&] {
            return size_t(std::count(doneGenerations_.begin(), doneGenerations_.end(),
                                     generation)) >= count;
        });
    }
    std::vector<Delivery> tiles()
    {
        std::lock_guard lock(mutex_);
        return tiles_;
    }
    std::vector<int> indexes()
    {
        std::vector<int> result;
        for (const Delivery& d : tiles())
            result.push_back(d.index);
        return result;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Delivery> tiles_;
    std::vector<quint64> doneGenerations_;
};

// Decodes instantly; paths containing "bad" fail, "wav" get mark 2. While
// held, the next decode blocks until released.
class FakeDecoder {
public:
    ThumbnailDecoder function()
    {
        return [this](const QString& path) {
            std::unique_lock lock(mutex_);
            decoded_.push_back(path);
            changed_.notify_all();
            changed_.wait(lock, [this] { return !held_; });
            ThumbnailPicture picture;
            if (!path.contains(QLatin1String("bad"))) {
                picture.image = QImage(40, 20, QImage::Format_RGB888);
                picture.image.fill(Qt::red);
                picture.mediaMark = path.contains(QLatin1String("wav")) ? 2 : 0;
            }
            return picture;
        };
    }
    void hold()
    {
        std::lock_guard lock(mutex_);
        held_ = true;
    }
    void release()
    {
        std::lock_guard lock(mutex_);
        held_ = false;
        changed_.notify_all();
    }
    // Waits until count decodes have begun.
    void waitDecodes(size_t count)
    {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, 10s, [&] { return decoded_.size() >= count; });
    }
    size_t begun()
    {
        std::lock_guard lock(mutex_);
        return decoded_.size();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<QString> decoded_;
    bool held_ = false;
};

QStringList picturePaths(int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i)
        paths.append(QStringLiteral("/p/%1.jpg").arg(i));
    return paths;
}

std::vector<int> range(int from, int to)
{
    std::vector<int> result;
    for (int i = from; i < to; ++i)
        result.push_back(i);
    return result;
}

std::vector<int> concat(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(ThumbnailLoader, StartsAtTheFirstVisibleItemThenWrapsRoundOnce)
{
    RecordingSink sink;
    FakeDecoder decoder;
    ThumbnailLoader loader(sink, picturePaths(10));
    loader.setDecoder(decoder.function());
    loader.setRequestedIndex(6);
    loader.start();
    ASSERT_TRUE(sink.waitAllDone(loader.generation()));
    EXPECT_EQ(sink.indexes(), concat(range(6, 10), range(0, 6)));
    EXPECT_TRUE(loader.stop(2000));
}

ThumbnailOptions lanes(int count)
{
    ThumbnailOptions options;
    options.lanes = count;
    return options;
}

TEST(ThumbnailLoader, FollowsAChangedRequestBeforeTheRest)
{
    RecordingSink sink;
    FakeDecoder decoder;
    ThumbnailLoader loader(sink, picturePaths(30), lanes(1));
    loader.setDecoder(decoder.function());
    decoder.hold();
    loader.start();
    decoder.waitDecodes(1); // entry 0 is being decoded
    loader.setRequestedIndex(20); // the user scrolled
    decoder.release();
    ASSERT_TRUE(sink.waitAllDone(loader.generation()));
    EXPECT_EQ(sink.indexes(), concat(concat({0}, range(20, 30)), range(1, 20)));
}

// With two lanes, the round in progress ends first; then the scroll is
// followed as with one.
TEST(ThumbnailLoader, TwoLanesDecodeAtOnceAndKeepTheVisibleFirstOrder)
{
    RecordingSink sink;
    FakeDecoder decoder;
    ThumbnailLoader loader(sink, picturePaths(30), lanes(2));
    loader.setDecoder(decoder.function());
    decoder.hold();
    loader.start();
    decoder.waitDecodes(2);
    EXPECT_EQ(decoder.begun(), 2u) << "both lanes are inside a decode at once";
    loader.setRequestedIndex(20);
    decoder.release();
    ASSERT_TRUE(sink.waitAllDone(loader.generation()));
    EXPECT_EQ(sink.indexes(), concat(concat({0, 1}, range(20, 30)), range(2, 20)));
}

// pause() returns only once every lane is out of its decode, and no lane
// starts another until resume().
TEST(ThumbnailLoader, PauseWaitsForEveryLane)
{
    RecordingSink sink;
    FakeDecoder decoder;
    ThumbnailLoader loader(sink, picturePaths(30), lanes(2));
    loader.setDecoder(decoder.function());
    decoder.hold();
    loader.start();
    decoder.waitDecodes(2);
    std::atomic<bool> paused{false};
    std::thread controller([&] {
        loader.pause();
        paused = true;
    });
    std::this_thread::sleep_for(50ms);
    EXPECT_FALSE(paused.load()) << "a lane is still decoding";
    decoder.release();
    controller.join();
    EXPECT_TRUE(paused.load());
    const size_t begun = decoder.begun();
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(decoder.begun(), begun) << "nothing is decoded while paused";
    loader.resume();
    ASSERT_TRUE(sink.waitAllDone(loader.generation()));
    EXPECT_EQ(sink.tiles().size(), 30u);
}

// Tiles dropped for memory are asked for again without a pause; a request
// for a list that has changed since is ignored.
TEST(ThumbnailLoader, RemakesWithoutAPauseForTheCurrentListOnly)
{
    RecordingSink sink;
    FakeDecoder decoder;
    ThumbnailLoader loader(sink, picturePaths(6), lanes(2));
    loader.setDecoder(decoder.function());
    loader.start();
    const quint64 first = loader.generation();
    ASSERT_TRUE(sink.waitAllDone(first));
    loader.remake(first, {1, 4});
    ASSERT_TRUE(sink.waitAllDone(first, 2));
    std::vector<int> again;
    for (size_t i = 6; i < sink.tiles().size(); ++i)
        again.push_back(sink.tiles()[i].index);
    EXPECT_EQ(again, (std::vector<int>{1, 4}));

    loader.pause();
    loader.removeAt(0);
    loader.resume();
    loader.wake();
    ASSERT_TRUE(sink.waitAllDone(loader.generation()));
    const size_t before = sink.tiles().size();
    loader.remake(first, {2}); // of the old list
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(sink.tiles().size(), before);
}

TEST(ThumbnailLoader, EmptyListIsDoneAtOnceAndBrokenPicturesGetNoTile)
{
    RecordingSink sink;
    FakeDecoder decoder;
    {
        ThumbnailLoader empty(sink, {});
        empty.setDecoder(decoder.function());
        empty.start();
        EXPECT_TRUE(sink.waitAllDone(empty.generation()));
    }
    ThumbnailLoader loader(sink, {QStringLiteral("/p/bad.jpg"), QStringLiteral("/p/wav.jpg")});
    loader.setDecoder(decoder.function());
    loader.start();
    ASSERT_TRUE(sink.waitAllDone(loader.generation()));
    const std::vector<Delivery> tiles = sink.tiles();
    ASSERT_EQ(tiles.size(), 2u);
    EXPECT_TRUE(tiles[0].broken);
    EXPECT_FALSE(tiles[1].broken);
    EXPECT_EQ(tiles[1].mark, 2);
}

TEST(ThumbnailLoader, ChangesWhilePausedAreWorkedInOnce)
{
    RecordingSink sink;
    FakeDecoder decoder;
    ThumbnailLoader loader(sink, picturePaths(5));
    loader.setDecoder(decoder.function());
    loader.start();
    const quint64 first = loader.generation();
    ASSERT_TRUE(sink.waitAllDone(first));

    loader.pause();
    loader.invalidate(3);                            // same place, same generation
    loader.append(QStringLiteral("/p/new.jpg"));     // a new generation
    loader.removeAt(0);
    const quint64 second = loader.generation();
    loader.resume();
    loader.wake();
    ASSERT_TRUE(sink.waitAllDone(second));
    EXPECT_NE(second, first);
    EXPECT_EQ(loader.paths().size(), 5);
    const std::vector<Delivery> tiles = sink.tiles();
    ASSERT_EQ(tiles.size(), 7u); // five, then the invalidated one and the new one
    EXPECT_EQ(tiles[5].generation, second);
    EXPECT_EQ(tiles[6].generation, second);
    std::vector<int> redone = {tiles[5].index, tiles[6].index};
    std::sort(redone.begin(), redone.end());
    EXPECT_EQ(redone, (std::vector<int>{2, 4})); // old 3 moved to 2; the new one is last
}

TEST(ThumbnailLoader, RefillGivesTilesOfANewGenerationOnly)
{
    RecordingSink sink;
    FakeDecoder decoder;
    ThumbnailLoader loader(sink, picturePaths(50));
    loader.setDecoder(decoder.function());
    decoder.hold();
    loader.start();
    decoder.waitDecodes(1);
    decoder.release();
    loader.pause();
    const quint64 old = loader.generation();
    loader.setPaths(picturePaths(4));
    const quint64 fresh = loader.generation();
    loader.resume();
    ASSERT_TRUE(sink.waitAllDone(fresh));
    int freshTiles = 0;
    for (const Delivery& tile : sink.tiles()) {
        EXPECT_TRUE(tile.generation == old || tile.generation == fresh);
        freshTiles += tile.generation == fresh;
    }
    EXPECT_EQ(freshTiles, 4);
}

TEST(ThumbnailLoader, NothingIsDeliveredAfterStopReturns)
{
    for (int round = 0; round < 50; ++round) {
        RecordingSink sink;
        FakeDecoder decoder;
        ThumbnailLoader loader(sink, picturePaths(1000));
        loader.setDecoder(decoder.function());
        loader.start();
        decoder.waitDecodes(size_t(round % 5 + 1));
        EXPECT_TRUE(loader.stop(2000));
        const size_t delivered = sink.tiles().size();
        std::this_thread::sleep_for(1ms);
        EXPECT_EQ(sink.tiles().size(), delivered);
    }
}

TEST(ThumbnailLoader, PauseResumeAndScrollingInALoop)
{
    RecordingSink sink;
    FakeDecoder decoder;
    ThumbnailLoader loader(sink, picturePaths(400));
    loader.setDecoder(decoder.function());
    loader.start();
    for (int cycle = 0; cycle < 3000; ++cycle) {
        loader.setRequestedIndex((cycle * 37) % 400);
        loader.pause();
        if (cycle % 100 == 0)
            loader.invalidate(cycle / 100);
        loader.resume();
    }
    loader.wake();
    ASSERT_TRUE(sink.waitAllDone(loader.generation()));
    // Every entry at least once; only invalidated ones twice.
    std::vector<int> counts(400, 0);
    for (int index : sink.indexes())
        ++counts[size_t(index)];
    for (int i = 0; i < 400; ++i) {
        EXPECT_GE(counts[size_t(i)], 1) << i;
        EXPECT_LE(counts[size_t(i)], 2) << i;
    }
    EXPECT_TRUE(loader.stop(2000));
}

TEST(ThumbnailLoader, RunsBelowNormalPriorityUnlessToldOtherwise)
{
    const int mainNice = currentThreadNice();
    for (bool lowered : {true, false}) {
        RecordingSink sink;
        ThumbnailOptions options;
        options.belowNormalPriority = lowered;
        options.lanes = 2;
        std::mutex mutex;
        std::vector<int> nices; // of every lane's thread
        ThumbnailLoader loader(sink, picturePaths(2), options);
        loader.setDecoder([&](const QString&) {
            std::lock_guard lock(mutex);
            nices.push_back(currentThreadNice());
            return ThumbnailPicture{};
        });
        loader.start();
        ASSERT_TRUE(sink.waitAllDone(loader.generation()));
        std::lock_guard lock(mutex);
        ASSERT_EQ(nices.size(), 2u);
        for (const int nice : nices) {
            if (lowered)
                EXPECT_GT(nice, mainNice == 19 ? 18 : mainNice);
            else
                EXPECT_EQ(nice, mainNice);
        }
    }
}

} // namespace
} // namespace vistello

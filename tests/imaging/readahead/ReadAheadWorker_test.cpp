// The read-ahead worker's handling of aims: what is decoded, what a new aim
// stops or drops, and waiting for the picture the view wants itself. The
// decoder is a fake that records its requests and can be held mid-decode.
#include "imaging/readahead/ReadAheadWorker.h"

#include "platform/ThreadPriority.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace vistello {
namespace {

using namespace std::chrono_literals;

// Decodes instantly unless held; a held decode runs until released or stopped.
class FakeDecoder {
public:
    std::optional<CachedPicture> decode(const PictureRequest& request)
    {
        std::unique_lock lock(mutex_);
        started_.push_back(request.path);
        changed_.notify_all();
        while (held_ && !request.stopFlag->load())
            changed_.wait_for(lock, 1ms);
        if (request.stopFlag->load())
            return std::nullopt;
        CachedPicture picture;
        picture.image = QImage(4, 3, QImage::Format_RGB888);
        picture.fileWidth = 4;
        return picture;
    }
    void hold(bool on)
    {
        std::lock_guard lock(mutex_);
        held_ = on;
        changed_.notify_all();
    }
    bool waitStarted(const QString& path)
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, 10s, [&] { return started_.contains(path); });
    }
    QStringList started()
    {
        std::lock_guard lock(mutex_);
        return started_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool held_ = false;
    QStringList started_;
};

class ReadAheadWorkerTest : public testing::Test {
protected:
    ReadAheadJob job(const QString& name)
    {
        const QString path = dir_.write(name, "picture bytes");
        PictureRequest request;
        request.path = path;
        return {path + QStringLiteral("#key"), request};
    }
    QString key(const QString& name) const { return dir_.file(name) + QStringLiteral("#key"); }
    // Waits until the worker is idle and returns the finished keys.
    QStringList finishedKeys(ReadAheadWorker& worker, int count)
    {
        QStringList keys;
        for (int i = 0; i < 2000 && keys.size() < count; ++i) {
            for (const ReadAheadResult& result : worker.takeFinished())
                keys << result.key;
            if (keys.size() < count)
                std::this_thread::sleep_for(5ms);
        }
        return keys;
    }

    test::TempDir dir_;
    FakeDecoder fake_;
};

TEST_F(ReadAheadWorkerTest, DecodesTheAimInOrder)
{
    ReadAheadWorker worker([this](const PictureRequest& r) { return fake_.decode(r); });
    worker.aim({job("b.jpg"), job("a.jpg"), job("c.jpg")});
    EXPECT_EQ(finishedKeys(worker, 3), (QStringList{key("b.jpg"), key("a.jpg"), key("c.jpg")}));
    EXPECT_EQ(fake_.started(), (QStringList{dir_.file("b.jpg"), dir_.file("a.jpg"), dir_.file("c.jpg")}));
}

TEST_F(ReadAheadWorkerTest, AJumpStopsTheDecodeItNoLongerWants)
{
    ReadAheadWorker worker([this](const PictureRequest& r) { return fake_.decode(r); });
    fake_.hold(true);
    worker.aim({job("1.jpg"), job("2.jpg")});
    ASSERT_TRUE(fake_.waitStarted(dir_.file("1.jpg")));
    worker.aim({job("7.jpg")});
    ASSERT_TRUE(fake_.waitStarted(dir_.file("7.jpg")));
    fake_.hold(false);
    EXPECT_EQ(finishedKeys(worker, 1), QStringList{key("7.jpg")});
    EXPECT_EQ(worker.decodesStopped(), 1);
    EXPECT_FALSE(fake_.started().contains(dir_.file("2.jpg"))); // dropped from the queue unstarted
}

TEST_F(ReadAheadWorkerTest, AnAimStillHoldingTheRunningDecodeLetsItFinish)
{
    ReadAheadWorker worker([this](const PictureRequest& r) { return fake_.decode(r); });
    fake_.hold(true);
    worker.aim({job("1.jpg"), job("2.jpg")});
    ASSERT_TRUE(fake_.waitStarted(dir_.file("1.jpg")));
    worker.aim({job("3.jpg"), job("1.jpg")});
    fake_.hold(false);
    EXPECT_EQ(finishedKeys(worker, 2), (QStringList{key("1.jpg"), key("3.jpg")}));
    EXPECT_EQ(worker.decodesStopped(), 0);
    EXPECT_EQ(fake_.started().count(dir_.file("1.jpg")), 1); // not decoded twice
}

TEST_F(ReadAheadWorkerTest, HeldKeyLeavesOnlyTheLastAim)
{
    ReadAheadWorker worker([this](const PictureRequest& r) { return fake_.decode(r); });
    fake_.hold(true);
    for (int i = 0; i < 30; ++i) // one aim per repeated key, each shown picture decoded by the view
        worker.aim({job(QStringLiteral("%1.jpg").arg(i + 1)), job(QStringLiteral("%1.jpg").arg(i - 1))});
    fake_.hold(false);
    const QStringList keys = finishedKeys(worker, 2);
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(keys.size() + worker.takeFinished().size(), 2u);
    for (const QString& k : keys)
        EXPECT_TRUE(k == key("30.jpg") || k == key("28.jpg")) << k.toStdString();
    EXPECT_EQ(worker.decodesStarted() - worker.decodesStopped(), 2); // every stale start was stopped
}

TEST_F(ReadAheadWorkerTest, TheViewsOwnPictureIsWaitedForNotDecodedTwice)
{
    ReadAheadWorker worker([this](const PictureRequest& r) { return fake_.decode(r); });
    fake_.hold(true);
    worker.aim({job("next.jpg"), job("other.jpg")});
    ASSERT_TRUE(fake_.waitStarted(dir_.file("next.jpg")));
    std::thread release([this] {
        std::this_thread::sleep_for(2ms);
        fake_.hold(false);
    });
    worker.yieldTo(key("next.jpg"));
    release.join();
    const std::vector<ReadAheadResult> finished = worker.takeFinished();
    ASSERT_EQ(finished.size(), 1u);
    EXPECT_EQ(finished[0].key, key("next.jpg"));
    std::this_thread::sleep_for(30ms);
    EXPECT_FALSE(fake_.started().contains(dir_.file("other.jpg"))); // the view's decode has the processor
}

// The fault: the view waited for the worker's decode of its picture as long
// as it took, and a worker starved below the view's priority held the view
// for a second on a busy machine.
TEST_F(ReadAheadWorkerTest, AStarvedDecodeOfTheViewsPictureIsGivenUp)
{
    ReadAheadWorker worker([this](const PictureRequest& r) { return fake_.decode(r); });
    fake_.hold(true);
    worker.aim({job("next.jpg")});
    ASSERT_TRUE(fake_.waitStarted(dir_.file("next.jpg")));
    std::thread release([this] {
        std::this_thread::sleep_for(2s);
        fake_.hold(false);
    });
    const auto start = std::chrono::steady_clock::now();
    worker.yieldTo(key("next.jpg"));
    const auto waited = std::chrono::steady_clock::now() - start;
    release.join();
    EXPECT_LT(waited, 1s);
    EXPECT_EQ(worker.decodesStopped(), 1);
    EXPECT_TRUE(worker.takeFinished().empty());
}

TEST_F(ReadAheadWorkerTest, YieldingToAnotherPictureStopsTheRunningDecode)
{
    ReadAheadWorker worker([this](const PictureRequest& r) { return fake_.decode(r); });
    fake_.hold(true);
    worker.aim({job("next.jpg")});
    ASSERT_TRUE(fake_.waitStarted(dir_.file("next.jpg")));
    worker.yieldTo(key("far.jpg"));
    for (int i = 0; i < 2000 && worker.decodesStopped() == 0; ++i)
        std::this_thread::sleep_for(5ms);
    EXPECT_EQ(worker.decodesStopped(), 1);
    EXPECT_TRUE(worker.takeFinished().empty());
}

TEST_F(ReadAheadWorkerTest, ARewrittenFileMakesItsResultStale)
{
    ReadAheadWorker worker([this](const PictureRequest& r) { return fake_.decode(r); });
    worker.aim({job("a.jpg")});
    std::vector<ReadAheadResult> finished;
    for (int i = 0; i < 2000 && finished.empty(); ++i, std::this_thread::sleep_for(5ms))
        finished = worker.takeFinished();
    ASSERT_EQ(finished.size(), 1u);
    EXPECT_TRUE(finished[0].fileUnchanged());
    dir_.write(QStringLiteral("a.jpg"), "other, longer picture bytes");
    EXPECT_FALSE(finished[0].fileUnchanged());
}

TEST_F(ReadAheadWorkerTest, DecodesBelowNormalPriority)
{
    std::atomic<int> nice{-100};
    ReadAheadWorker worker([&](const PictureRequest&) {
        nice = currentThreadNice();
        return std::optional<CachedPicture>(CachedPicture{});
    });
    worker.aim({job("a.jpg")});
    for (int i = 0; i < 2000 && nice == -100; ++i)
        std::this_thread::sleep_for(5ms);
    EXPECT_GT(nice.load(), currentThreadNice());
}

} // namespace
} // namespace vistello

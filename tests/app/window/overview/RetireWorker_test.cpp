// A thumbnail decode stuck on a hung mount must not hold the window when
// the overview changes its list or closes.
#include "app/window/overview/RetireWorker.h"

#include <QElapsedTimer>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include <gtest/gtest.h>

namespace vistello {
namespace {

// Ignores its stop flag until released, like a read that never returns.
class StuckWorker : public WorkerThread {
public:
    StuckWorker(std::shared_ptr<std::atomic<bool>> release, std::shared_ptr<std::atomic<bool>> destroyed)
        : release_(std::move(release)), destroyed_(std::move(destroyed))
    {
    }
    std::atomic<bool> running{false};

    ~StuckWorker() override
    {
        stop(-1);
        *destroyed_ = true;
    }

protected:
    void run() override
    {
        running = true;
        while (!*release_)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }

private:
    std::shared_ptr<std::atomic<bool>> release_;
    std::shared_ptr<std::atomic<bool>> destroyed_;
};

TEST(RetireWorker, AStuckWorkerIsLeftToEndOnItsOwn)
{
    auto release = std::make_shared<std::atomic<bool>>(false);
    auto destroyed = std::make_shared<std::atomic<bool>>(false);
    auto worker = std::make_unique<StuckWorker>(release, destroyed);
    worker->start();
    while (!worker->running)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(retireWorker(std::move(worker), 100));
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_FALSE(*destroyed);
    *release = true;
    while (!*destroyed && clock.elapsed() < 5000)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_TRUE(*destroyed);

    // A worker that stops in time is gone on return.
    auto quick = std::make_shared<std::atomic<bool>>(true);
    auto gone = std::make_shared<std::atomic<bool>>(false);
    auto ended = std::make_unique<StuckWorker>(quick, gone);
    ended->start();
    EXPECT_TRUE(retireWorker(std::move(ended), 2000));
    EXPECT_TRUE(*gone);
}

} // namespace
} // namespace vistello

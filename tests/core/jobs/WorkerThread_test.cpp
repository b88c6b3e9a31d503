// Worker threads: cooperative stop with a time-out, the end of the thread
// whatever run() does, and the pause handshake under thousands of cycles.
#include "core/jobs/PausableWorker.h"
#include "core/jobs/WorkerThread.h"
#include "platform/ThreadPriority.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace vistello {
namespace {

using namespace std::chrono_literals;

// Loops until stopped; stubborn ones ignore the flag for a while.
class LoopWorker : public WorkerThread {
public:
    explicit LoopWorker(std::chrono::milliseconds deafFor = 0ms) : deafFor_(deafFor) {}
    ~LoopWorker() override { stop(-1); }

    std::atomic<int> rounds{0};
    std::atomic<int> exits{0};
    std::atomic<bool> throwInRun{false};
    std::atomic<bool> began{false};

protected:
    void run() override
    {
        began.store(true);
        if (throwInRun.load())
            throw std::runtime_error("escaped");
        std::this_thread::sleep_for(deafFor_);
        while (!stopRequested()) {
            rounds.fetch_add(1);
            std::this_thread::sleep_for(1ms);
        }
    }
    void onExit() override { exits.fetch_add(1); }

private:
    std::chrono::milliseconds deafFor_;
};

TEST(WorkerThread, StopEndsTheLoopWithinTheTimeOut)
{
    LoopWorker worker;
    EXPECT_TRUE(worker.stop(2000)); // never started: nothing to wait for
    worker.start();
    while (worker.rounds.load() == 0)
        std::this_thread::yield();
    EXPECT_TRUE(worker.stop(2000));
    EXPECT_TRUE(worker.finished());
    EXPECT_EQ(worker.exits.load(), 1);
    EXPECT_TRUE(worker.stop(2000)); // a second stop is harmless
}

TEST(WorkerThread, StubbornWorkerIsGivenUpAfterTheTimeOutAndJoinedLater)
{
    LoopWorker worker(300ms);
    worker.start();
    while (!worker.began.load())
        std::this_thread::yield();
    const auto begin = std::chrono::steady_clock::now();
    EXPECT_FALSE(worker.stop(20));
    EXPECT_LT(std::chrono::steady_clock::now() - begin, 250ms);
    EXPECT_FALSE(worker.finished());
    EXPECT_TRUE(worker.stop(-1)); // waits for the end
    EXPECT_TRUE(worker.finished());
}

TEST(WorkerThread, EscapingExceptionEndsTheThreadAsAFailure)
{
    LoopWorker worker;
    worker.throwInRun = true;
    worker.start();
    for (int i = 0; i < 2000 && !worker.finished(); ++i) // it ends by itself
        std::this_thread::sleep_for(1ms);
    EXPECT_TRUE(worker.stop(2000));
    EXPECT_EQ(worker.exits.load(), 1);
    EXPECT_EQ(worker.failure().value_or(""), "escaped");
    worker.throwInRun = false;
    worker.start(); // a new run starts without the old failure
    EXPECT_TRUE(worker.stop(2000));
    EXPECT_FALSE(worker.failure().has_value());
}

TEST(WorkerThread, CanBeStartedAgainAfterItEnded)
{
    LoopWorker worker;
    for (int i = 0; i < 3; ++i) {
        worker.start();
        EXPECT_TRUE(worker.stop(2000));
    }
    EXPECT_EQ(worker.exits.load(), 3);
}

// Asks for its own stop as the first thing it does.
class SelfStoppingWorker : public WorkerThread {
public:
    ~SelfStoppingWorker() override { stop(-1); }
    std::atomic<bool> heard{false};

protected:
    void run() override
    {
        stop(0);
        heard.store(stopRequested());
    }
};

TEST(WorkerThread, StopFromTheWorkerItselfIsNeverLost)
{
    // The new thread may run before start() has stored its handle.
    SelfStoppingWorker worker;
    for (int i = 0; i < 10000; ++i) {
        worker.heard.store(false);
        worker.start();
        while (!worker.finished()) // a stop from here would come before run()
            std::this_thread::yield();
        EXPECT_TRUE(worker.stop(-1));
        ASSERT_TRUE(worker.heard.load()) << "start " << i;
    }
}

TEST(ThreadPriority, LowersOnlyTheCallingThread)
{
    const int before = currentThreadNice();
    int inThread = before;
    bool lowered = false;
    std::thread([&] {
        lowered = lowerCurrentThreadPriority();
        inThread = currentThreadNice();
    }).join();
    EXPECT_TRUE(lowered);
    EXPECT_GT(inThread, before == 19 ? 18 : before);
    EXPECT_EQ(currentThreadNice(), before);
}

// Works on data the controlling thread changes while it holds the worker.
class CountingWorker : public PausableWorker {
public:
    explicit CountingWorker(bool idleAfterStart = false) : idleAfterStart_(idleAfterStart) {}
    ~CountingWorker() override { stop(-1); }

    int shared = 0; // no lock: only the pause handshake protects it
    std::atomic<int> steps{0};

protected:
    void run() override
    {
        for (;;) {
            checkpoint();
            if (stopRequested())
                return;
            if (idleAfterStart_) {
                waitForWake();
                continue;
            }
            ++shared;
            steps.fetch_add(1);
        }
    }

private:
    bool idleAfterStart_;
};

TEST(PausableWorker, PauseHoldsTheWorkerForThousandsOfCycles)
{
    CountingWorker worker;
    worker.start();
    for (int cycle = 0; cycle < 2000; ++cycle) {
        worker.pause();
        const int seen = worker.steps.load();
        worker.shared = 0; // the worker must not run meanwhile
        std::this_thread::yield();
        ASSERT_EQ(worker.steps.load(), seen) << cycle;
        worker.resume();
    }
    EXPECT_TRUE(worker.stop(2000));
}

TEST(PausableWorker, StopWhilePausedEndsTheThread)
{
    CountingWorker worker;
    worker.start();
    worker.pause();
    EXPECT_TRUE(worker.stop(2000));
    worker.resume(); // the matching resume finds an ended worker
}

TEST(PausableWorker, PauseReturnsForEndedOrUnstartedWorkersAndNests)
{
    CountingWorker worker;
    worker.pause(); // not started
    worker.resume();
    worker.start();
    worker.pause();
    worker.pause(); // nested: no second handshake
    const int seen = worker.steps.load();
    worker.resume();
    EXPECT_EQ(worker.steps.load(), seen); // still held by the outer pause
    worker.resume();
    EXPECT_TRUE(worker.stop(2000));
    worker.pause(); // ended
    worker.resume();
}

TEST(PausableWorker, IdleWorkerIsPausedWokenAndStopped)
{
    CountingWorker worker(true);
    worker.start();
    for (int cycle = 0; cycle < 2000; ++cycle) {
        worker.pause();
        worker.shared = cycle;
        worker.resume();
        if (cycle % 7 == 0)
            worker.wake();
    }
    const auto begin = std::chrono::steady_clock::now();
    EXPECT_TRUE(worker.stop(2000));
    EXPECT_LT(std::chrono::steady_clock::now() - begin, 1000ms);
}

} // namespace
} // namespace vistello

#pragma once
// The thumbnail loader's helpers: a few threads that each make one tile of
// a round while the loader's own thread makes another. A round ends when
// every lane has returned, so between rounds only the loader's thread runs
// and the pause handshake of the loader holds for all of them.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace vistello {

class TileLanes {
public:
    // helpers: threads besides the caller's; each lowers its own priority
    // when belowNormal.
    TileLanes(int helpers, bool belowNormal);
    ~TileLanes(); // waits for the helpers to end
    TileLanes(const TileLanes&) = delete;
    TileLanes& operator=(const TileLanes&) = delete;

    int count() const { return int(threads_.size()) + 1; }
    // work(0) on the calling thread, work(1) .. work(lanes - 1) on helpers;
    // returns when all have returned. lanes is at most count().
    void run(int lanes, const std::function<void(int lane)>& work);

    // By the machine's cores, at least one and at most four.
    static int laneCountForCores();

private:
    void helperMain(int lane, bool belowNormal);

    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable changed_;
    const std::function<void(int)>* work_ = nullptr; // guarded by mutex_
    int lanes_ = 0;
    unsigned long round_ = 0;
    int pending_ = 0;
    bool quit_ = false;
};

} // namespace vistello

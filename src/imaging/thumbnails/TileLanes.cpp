#include "imaging/thumbnails/TileLanes.h"

#include "platform/ThreadPriority.h"

#include <algorithm>
#include <exception>

namespace vistello {

TileLanes::TileLanes(int helpers, bool belowNormal)
{
    for (int lane = 1; lane <= helpers; ++lane)
        threads_.emplace_back([this, lane, belowNormal] { helperMain(lane, belowNormal); });
}

TileLanes::~TileLanes()
{
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    changed_.notify_all();
    for (std::thread& thread : threads_)
        thread.join();
}

int TileLanes::laneCountForCores()
{
    return std::clamp(int(std::thread::hardware_concurrency()), 1, 4);
}

void TileLanes::run(int lanes, const std::function<void(int)>& work)
{
    lanes = std::clamp(lanes, 1, count());
    {
        std::lock_guard lock(mutex_);
        work_ = &work;
        lanes_ = lanes;
        pending_ = lanes - 1;
        ++round_;
    }
    changed_.notify_all();
    std::exception_ptr failure;
    try {
        work(0);
    } catch (...) {
        failure = std::current_exception(); // after the helpers let go of work
    }
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return pending_ == 0; });
        work_ = nullptr;
    }
    if (failure)
        std::rethrow_exception(failure);
}

void TileLanes::helperMain(int lane, bool belowNormal)
{
    if (belowNormal)
        lowerCurrentThreadPriority();
    unsigned long seen = 0;
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return quit_ || round_ != seen; });
        if (quit_)
            return;
        seen = round_;
        if (lane >= lanes_)
            continue;
        const std::function<void(int)>* work = work_;
        lock.unlock();
        try {
            (*work)(lane);
        } catch (...) {
            // The lane's tile stays unmade, like a picture that cannot be read.
        }
        lock.lock();
        if (--pending_ == 0)
            changed_.notify_all();
    }
}

} // namespace vistello

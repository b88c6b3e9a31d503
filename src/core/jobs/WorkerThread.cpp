#include "core/jobs/WorkerThread.h"

#include <chrono>
#include <exception>

namespace vistello {

namespace {

// The worker whose run() this thread carries out. The worker's own thread
// cannot ask thread_: start() may not have stored the handle yet when the
// new thread is already running.
thread_local const WorkerThread* runningWorker = nullptr;

} // namespace

WorkerThread::~WorkerThread()
{
    // A derived worker stops its thread in its own destructor (its members
    // are gone by now); this is the last line of defence.
    requestStop();
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id())
        thread_.join();
    else if (thread_.joinable())
        thread_.detach();
}

void WorkerThread::start()
{
    if (thread_.joinable()) {
        if (!finished_.load())
            return; // already running
        thread_.join();
    }
    stopRequested_.store(false);
    finished_.store(false);
    {
        std::lock_guard lock(mutex_);
        failure_.reset();
    }
    thread_ = std::thread(&WorkerThread::threadMain, this);
}

void WorkerThread::threadMain()
{
    runningWorker = this;
    if (!stopRequested_.load()) {
        try {
            run();
        } catch (const std::exception& e) {
            setFailure(e.what());
        } catch (...) {
            setFailure("unknown error");
        }
    }
    try {
        onExit();
    } catch (...) {
    }
    std::lock_guard lock(mutex_);
    finished_.store(true);
    finishedChanged_.notify_all();
}

void WorkerThread::setFailure(const char* message)
{
    std::lock_guard lock(mutex_);
    failure_ = message && *message ? message : "unknown error";
}

std::optional<std::string> WorkerThread::failure() const
{
    std::lock_guard lock(mutex_);
    return failure_;
}

void WorkerThread::requestStop()
{
    std::lock_guard lock(mutex_);
    stopRequested_.store(true);
    finishedChanged_.notify_all();
}

bool WorkerThread::waitFinished(int timeoutMs)
{
    std::unique_lock lock(mutex_);
    const auto ended = [this] { return finished_.load(); };
    if (timeoutMs < 0) {
        finishedChanged_.wait(lock, ended);
        return true;
    }
    return finishedChanged_.wait_for(lock, std::chrono::milliseconds(timeoutMs), ended);
}

bool WorkerThread::stop(int timeoutMs)
{
    if (runningWorker == this) {
        requestStop();
        return false; // a worker cannot wait for itself
    }
    if (!thread_.joinable())
        return true;
    requestStop();
    if (!waitFinished(timeoutMs))
        return false; // given up; the destructor joins once it ends
    thread_.join();
    return true;
}

} // namespace vistello

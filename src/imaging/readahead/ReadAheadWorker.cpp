#include "imaging/readahead/ReadAheadWorker.h"

#include "platform/ThreadPriority.h"

#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <chrono>

namespace vistello {

bool ReadAheadResult::fileUnchanged() const
{
    const QFileInfo info(path);
    return info.exists() && info.lastModified() == modified && info.size() == size;
}

ReadAheadWorker::ReadAheadWorker(Decode decode) : decode_(std::move(decode))
{
    start();
}

ReadAheadWorker::~ReadAheadWorker()
{
    stop(-1);
}

bool ReadAheadWorker::stop(int timeoutMs)
{
    stopRunning_.store(true);
    return WorkerThread::stop(timeoutMs);
}

QString ReadAheadWorker::runningKey() const
{
    std::lock_guard lock(const_cast<ReadAheadWorker*>(this)->stateMutex());
    return running_;
}

bool ReadAheadWorker::aimed(const QString& key) const
{
    return std::any_of(queue_.begin(), queue_.end(), [&](const ReadAheadJob& job) { return job.key == key; });
}

void ReadAheadWorker::aim(std::vector<ReadAheadJob> jobs)
{
    QStringList keys;
    for (const ReadAheadJob& job : jobs)
        keys << job.key;
    std::lock_guard lock(stateMutex());
    queue_.clear();
    // Results the new aim does not want would only fill the view's cache.
    std::erase_if(finished_, [&](const ReadAheadResult& result) { return !keys.contains(result.key); });
    for (ReadAheadJob& job : jobs) {
        const bool done = std::any_of(finished_.begin(), finished_.end(),
                                      [&](const ReadAheadResult& result) { return result.key == job.key; });
        // A running decode already told to stop is queued again.
        const bool running = job.key == running_ && !stopRunning_.load();
        if (!done && !running && !aimed(job.key))
            queue_.push_back(std::move(job));
    }
    if (!running_.isEmpty() && !keys.contains(running_))
        stopRunning_.store(true);
    stateChanged().notify_all();
}

void ReadAheadWorker::yieldTo(const QString& key)
{
    std::unique_lock lock(stateMutex());
    queue_.clear();
    if (running_.isEmpty())
        return;
    if (running_ != key) {
        stopRunning_.store(true);
        return;
    }
    // Nearly done, waiting costs less than decoding anew; but the worker runs
    // below the view's priority and may be starved on a busy machine, so the
    // view waits only briefly and then decodes at its own priority.
    const bool done = stateChanged().wait_for(lock, std::chrono::milliseconds(kYieldWaitMs),
                                              [&] { return running_ != key || finished(); });
    if (!done)
        stopRunning_.store(true);
}

void ReadAheadWorker::cancel()
{
    std::lock_guard lock(stateMutex());
    queue_.clear();
    finished_.clear();
    if (!running_.isEmpty())
        stopRunning_.store(true);
}

std::vector<ReadAheadResult> ReadAheadWorker::takeFinished()
{
    std::lock_guard lock(stateMutex());
    return std::exchange(finished_, {});
}

void ReadAheadWorker::run()
{
    // Just below the view: the decode races the user's next key.
    lowerCurrentThreadPriority(1);
    std::unique_lock lock(stateMutex());
    for (;;) {
        stateChanged().wait(lock, [&] { return stopRequested() || !queue_.empty(); });
        if (stopRequested())
            return;
        ReadAheadJob job = std::move(queue_.front());
        queue_.pop_front();
        running_ = job.key;
        stopRunning_.store(false);
        job.request.stopFlag = &stopRunning_;
        ++started_;
        lock.unlock();

        const QFileInfo info(job.request.path);
        ReadAheadResult result{job.key, job.request.path, {}, info.lastModified(), info.size()};
        std::optional<CachedPicture> picture = decode_(job.request);

        lock.lock();
        running_.clear();
        if (stopRunning_.load())
            ++stopped_;
        else if (picture)
            finished_.push_back({std::move(result.key), std::move(result.path), std::move(*picture),
                                 result.modified, result.size});
        stateChanged().notify_all();
    }
}

} // namespace vistello

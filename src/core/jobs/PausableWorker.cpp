#include "core/jobs/PausableWorker.h"

namespace vistello {

bool PausableWorker::stop(int timeoutMs)
{
    {
        std::lock_guard lock(stateMutex());
        wake_.store(true);
    }
    return WorkerThread::stop(timeoutMs); // wakes every wait
}

void PausableWorker::pause()
{
    if (pauseDepth_++ > 0)
        return;
    std::unique_lock lock(stateMutex());
    // Reset the answers before asking, so that an answer to an earlier pause
    // is never taken for this one.
    resumed_.store(false);
    paused_.store(false);
    resumeRequest_.store(false);
    pauseRequested_.store(true);
    wake_.store(true);
    stateChanged().notify_all();
    if (!running())
        return; // nothing runs that could read the data
    // A worker that has ended (or ends meanwhile) counts as paused.
    stateChanged().wait(lock, [this] { return paused_.load() || finished(); });
}

void PausableWorker::resume()
{
    if (pauseDepth_ == 0 || --pauseDepth_ > 0)
        return;
    std::unique_lock lock(stateMutex());
    if (!paused_.load()) {
        // The worker never reached the checkpoint (not started or ended):
        // withdraw the request so that a later start does not pause at once.
        pauseRequested_.store(false);
        return;
    }
    resumeRequest_.store(true);
    stateChanged().notify_all();
    stateChanged().wait(lock, [this] { return resumed_.load() || finished(); });
}

void PausableWorker::wake()
{
    std::lock_guard lock(stateMutex());
    wake_.store(true);
    stateChanged().notify_all();
}

void PausableWorker::checkpoint()
{
    // The usual case costs no lock; a request seen late is seen next time.
    if (!pauseRequested_.load())
        return;
    std::unique_lock lock(stateMutex());
    if (!pauseRequested_.load())
        return;
    pauseRequested_.store(false);
    paused_.store(true);
    stateChanged().notify_all();
    // A stop ends the pause too; the caller checks stopRequested() next.
    stateChanged().wait(lock, [this] { return resumeRequest_.load() || stopRequested(); });
    wake_.store(false);
    resumed_.store(true);
    stateChanged().notify_all();
}

void PausableWorker::waitForWake()
{
    std::unique_lock lock(stateMutex());
    idle_.store(true);
    stateChanged().wait(lock, [this] {
        return wake_.load() || pauseRequested_.load() || stopRequested();
    });
    wake_.store(false);
    idle_.store(false);
}

} // namespace vistello

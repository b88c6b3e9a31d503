#pragma once
// The base of every background thread. Stopping is cooperative: run() polls
// stopRequested() between pieces of work (and long decodes poll it through
// the JPEG library's progress monitor).
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace vistello {

class WorkerThread {
public:
    WorkerThread() = default;
    // Joins the thread: a worker is only destroyed after its thread ended.
    virtual ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    void start();
    // Requests a stop and waits up to timeoutMs (forever when negative).
    // Returns true when the thread has finished.
    virtual bool stop(int timeoutMs);

    bool stopRequested() const { return stopRequested_.load(); }
    bool finished() const { return finished_.load(); }
    // The flag run() may hand to code that polls it (the decoder).
    const std::atomic<bool>& stopFlag() const { return stopRequested_; }
    // The message of an exception that ended run(); set before onExit().
    std::optional<std::string> failure() const;

protected:
    virtual void run() = 0;
    virtual void onExit() {}
    // Sets the flag and wakes every wait on stateChanged().
    void requestStop();
    // Waits for the end of the thread; true when it ended in time.
    bool waitFinished(int timeoutMs);
    // The thread has been started and not yet joined (controlling thread).
    bool running() const { return thread_.joinable(); }

    // One lock and one condition for every state change of the worker, so
    // that waits on derived state also wake when the thread ends.
    std::mutex& stateMutex() { return mutex_; }
    std::condition_variable& stateChanged() { return finishedChanged_; }

private:
    void threadMain();
    void setFailure(const char* message);

    std::thread thread_;
    std::atomic<bool> stopRequested_{false};
    std::atomic<bool> finished_{false};
    std::optional<std::string> failure_; // guarded by mutex_
    mutable std::mutex mutex_;
    std::condition_variable finishedChanged_;
};

} // namespace vistello

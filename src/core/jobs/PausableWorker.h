#pragma once
// A worker thread the controlling thread can hold at a checkpoint while it
// changes data the worker reads: pause() returns once the worker waits at
// checkpoint() (or has ended), resume() lets it go on.
#include "core/jobs/WorkerThread.h"

#include <atomic>

namespace vistello {

class PausableWorker : public WorkerThread {
public:
    // Also wakes a worker that is idle or paused.
    bool stop(int timeoutMs) override;

    // Controlling thread. Nested pairs are allowed; only the outer pair
    // does the handshake.
    void pause();
    void resume();
    // Ends an idle wait (new work, or a changed request).
    void wake();

    bool idle() const { return idle_.load(); }

protected:
    // Worker thread, between two pieces of work: holds here while paused.
    void checkpoint();
    // Worker thread: waits until woken, paused or stopped.
    void waitForWake();

private:
    std::atomic<bool> pauseRequested_{false};
    std::atomic<bool> paused_{false};
    std::atomic<bool> resumeRequest_{false};
    std::atomic<bool> resumed_{false};
    std::atomic<bool> wake_{false};
    std::atomic<bool> idle_{false};
    int pauseDepth_ = 0; // controlling thread only
};

} // namespace vistello

#pragma once
// Ending a background worker without letting it hold the window: a worker
// that has not ended within the time-out (a decode stuck on a hung mount)
// is handed to a thread of its own, which destroys it once it ends.
#include "core/jobs/WorkerThread.h"

#include <memory>

namespace vistello {

// True when the worker ended in time (it is destroyed before the return).
// A worker that only stops polling its stop flag still ends some day; it
// must deliver nothing once stopped.
bool retireWorker(std::unique_ptr<WorkerThread> worker, int timeoutMs);

} // namespace vistello

#include "app/window/overview/RetireWorker.h"

#include <thread>

namespace vistello {

bool retireWorker(std::unique_ptr<WorkerThread> worker, int timeoutMs)
{
    if (!worker || worker->stop(timeoutMs))
        return true;
    std::thread([stuck = worker.release()] { delete stuck; }).detach();
    return false;
}

} // namespace vistello

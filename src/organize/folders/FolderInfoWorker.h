#pragma once
// Computes the tree's "(count) (size)" texts off the user-interface thread,
// at lowered priority. The most recently requested folder goes first (the
// folders just scrolled into view); results are handed to deliver on the
// worker's thread.
#include "core/jobs/WorkerThread.h"

#include <QString>
#include <deque>
#include <functional>

namespace vistello {

class FolderInfoWorker : public WorkerThread {
public:
    using Deliver = std::function<void(const QString& folder, const QString& info)>;
    explicit FolderInfoWorker(Deliver deliver);
    ~FolderInfoWorker() override;

    // Starts the thread at the first request.
    void request(const QString& folder);

protected:
    void run() override;

private:
    Deliver deliver_;
    std::deque<QString> queue_; // guarded by stateMutex()
};

} // namespace vistello

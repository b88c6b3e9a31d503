#include "organize/folders/FolderInfoWorker.h"

#include "organize/folders/FolderInfoText.h"
#include "platform/ThreadPriority.h"

namespace vistello {

FolderInfoWorker::FolderInfoWorker(Deliver deliver) : deliver_(std::move(deliver)) {}

FolderInfoWorker::~FolderInfoWorker()
{
    stop(-1);
}

void FolderInfoWorker::request(const QString& folder)
{
    {
        std::lock_guard lock(stateMutex());
        queue_.push_back(folder);
        stateChanged().notify_all();
    }
    if (!running())
        start();
}

void FolderInfoWorker::run()
{
    lowerCurrentThreadPriority();
    for (;;) {
        QString folder;
        {
            std::unique_lock lock(stateMutex());
            stateChanged().wait(lock, [this] { return stopRequested() || !queue_.empty(); });
            if (stopRequested())
                return;
            folder = std::move(queue_.back());
            queue_.pop_back();
        }
        deliver_(folder, folderInfoText(treeFolderStatistics(folder)));
    }
}

} // namespace vistello

#include "organize/folders/FolderListingWorker.h"

namespace vistello {

FolderListingWorker::FolderListingWorker(FolderCompletion::Lister lister, FolderCompletion::RootLister roots,
                                         Deliver deliver)
    : lister_(std::move(lister)), roots_(std::move(roots)), deliver_(std::move(deliver))
{
}

FolderListingWorker::~FolderListingWorker()
{
    stop(-1);
}

void FolderListingWorker::request(const QString& folder)
{
    {
        std::lock_guard lock(stateMutex());
        pending_ = folder;
        stateChanged().notify_all();
    }
    start(); // nothing while the thread runs
}

void FolderListingWorker::run()
{
    for (;;) {
        QString folder;
        {
            std::unique_lock lock(stateMutex());
            stateChanged().wait(lock, [this] { return stopRequested() || pending_.has_value(); });
            if (stopRequested())
                return;
            folder = std::move(*pending_);
            pending_.reset();
        }
        deliver_(folder, folder.isEmpty() ? roots_() : lister_(folder));
    }
}

} // namespace vistello

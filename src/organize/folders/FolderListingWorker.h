#pragma once
// Lists folders for the address field's completion on its own thread, so a
// slow or hung mount never stalls typing. Only the newest request waits: one
// overtaken before the thread took it is dropped. Results are handed to
// deliver on the worker's thread.
#include "core/jobs/WorkerThread.h"
#include "organize/folders/FolderCompletion.h"

#include <optional>

namespace vistello {

class FolderListingWorker : public WorkerThread {
public:
    // folder is as requested; an empty folder asked for the roots.
    using Deliver = std::function<void(const QString& folder, const QStringList& names)>;
    FolderListingWorker(FolderCompletion::Lister lister, FolderCompletion::RootLister roots, Deliver deliver);
    ~FolderListingWorker() override;

    // Starts the thread at the first request. An empty folder asks for the roots.
    void request(const QString& folder);

protected:
    void run() override;

private:
    FolderCompletion::Lister lister_;
    FolderCompletion::RootLister roots_;
    Deliver deliver_;
    std::optional<QString> pending_; // guarded by stateMutex()
};

} // namespace vistello

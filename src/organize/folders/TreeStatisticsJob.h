#pragma once
// The Properties dialog's background walk: a worker thread (not a batch job,
// so not in the job list) that reports the counts after every folder and at
// the end. Closing the dialog stops it (stop(), or destroying the job).
#include "core/jobs/WorkerThread.h"
#include "organize/folders/TreeStatistics.h"

#include <QObject>

namespace vistello {

class TreeStatisticsJob : public QObject, public WorkerThread {
    Q_OBJECT
public:
    explicit TreeStatisticsJob(const QString& folder, QObject* parent = nullptr);
    ~TreeStatisticsJob() override;

Q_SIGNALS:
    // Emitted on the worker's thread; a receiver on the user-interface
    // thread gets them queued.
    void progressed(const vistello::TreeStatistics& stats);
    void finished(const vistello::TreeStatistics& stats, bool complete);

protected:
    void run() override;
    void onExit() override;

private:
    const QString folder_;
    TreeStatistics stats_; // the worker's own until it ends
    bool complete_ = false;
};

} // namespace vistello

#include "organize/rename/RenameJob.h"

#include <QFileInfo>

namespace vistello {

RenameJob::RenameJob(const RenameRequest& request, MoveStep move)
    : BackgroundJob(JobKind::Rename), request_(request), move_(std::move(move))
{
}

RenameJob::~RenameJob()
{
    // Waits for phase 2, however long it takes: the thread uses the members.
    stop(-1);
}

void RenameJob::run()
{
    reportStarted(request_.severalPictures() ? int(request_.pictures.size()) : 1);
    const RenamePlan plan = buildRenamePlan(request_);
    if (plan.refused()) {
        Q_EMIT jobFailed(jobNumber(), refusalMessage(plan));
        return;
    }
    {
        RenameExecutor executor(plan, move_);
        for (size_t i = 0; i < executor.count() && !stopRequested(); ++i) {
            executor.moveOne(i);
            reportStep(QFileInfo(plan.renames[i].picture.from).fileName());
        }
        executor.finish();
        outcomes_ = executor.outcomes();
    }
    for (const RenameOutcome& o : outcomes_)
        if (o.moved())
            Q_EMIT entryRenamed(o.picture.from, o.picture.at);
}

} // namespace vistello

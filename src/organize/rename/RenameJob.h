#pragma once
// The rename as a background job: plans, moves picture after picture
// (phase 1, stopped between pictures on request), then always gives the
// pictures moved so far their final names (phase 2) before it ends. Reports
// entryRenamed(old, new) for every picture that changed its name, so that
// lists, views and caches follow; a refused plan is reported as jobFailed
// with the message for the user, and nothing is moved.
#include "core/jobs/BackgroundJob.h"
#include "organize/rename/RenameExecutor.h"
#include "organize/rename/RenameRequest.h"

namespace vistello {

class RenameJob : public BackgroundJob {
    Q_OBJECT
public:
    explicit RenameJob(const RenameRequest& request, MoveStep move = moveWithoutReplacing);
    ~RenameJob() override;

    // Read after the job finished.
    const std::vector<RenameOutcome>& outcomes() const { return outcomes_; }

    // Pictures may wait at their temporary names: never cut off.
    bool mustRunToEnd() const override { return true; }

protected:
    void run() override;

private:
    RenameRequest request_;
    MoveStep move_;
    std::vector<RenameOutcome> outcomes_;
};

} // namespace vistello

#include "organize/rename/RenameExecutor.h"

#include "organize/rename/PictureName.h"

namespace vistello {

RenameExecutor::RenameExecutor(const RenamePlan& plan, MoveStep move) : plan_(plan), move_(std::move(move))
{
    outcomes_.reserve(plan_.renames.size());
    for (const PlannedRename& r : plan_.renames) {
        RenameOutcome o;
        o.picture = {r.picture.from, r.picture.from};
        for (const FileMove& c : r.companions)
            o.companions.push_back({c.from, c.from});
        outcomes_.push_back(std::move(o));
    }
}

RenameExecutor::~RenameExecutor() { finish(); }

void RenameExecutor::moveOne(size_t index)
{
    const FileMove& picture = plan_.renames[index].picture;
    RenameOutcome& o = outcomes_[index];
    const QString target = plan_.throughTemporaryNames ? temporaryPath(picture.to) : picture.to;
    const MoveResult result = move_(picture.from, target);
    if (result != MoveResult::Moved) {
        o.conflict = result == MoveResult::TargetExists;
        return;
    }
    o.picture.at = target;
    if (plan_.throughTemporaryNames)
        waiting_.push_back(index);
    moveCompanions(index, plan_.throughTemporaryNames);
}

void RenameExecutor::moveCompanions(size_t index, bool temporary)
{
    const std::vector<FileMove>& planned = plan_.renames[index].companions;
    for (size_t k = 0; k < planned.size(); ++k) {
        const QString target = temporary ? temporaryPath(planned[k].to) : planned[k].to;
        if (move_(planned[k].from, target) == MoveResult::Moved)
            outcomes_[index].companions[k].at = target;
    }
}

// Phase 2 for one picture: to its new name, else back to its old one, else
// it stays at its temporary name. Its companions go where it went.
void RenameExecutor::settle(size_t index)
{
    const PlannedRename& planned = plan_.renames[index];
    RenameOutcome& o = outcomes_[index];
    const MoveResult result = move_(o.picture.at, planned.picture.to);
    if (result == MoveResult::Moved) {
        o.picture.at = planned.picture.to;
    } else {
        o.conflict = o.conflict || result == MoveResult::TargetExists;
        if (move_(o.picture.at, planned.picture.from) == MoveResult::Moved)
            o.picture.at = planned.picture.from;
    }
    const bool renamed = o.picture.at == planned.picture.to;
    for (size_t k = 0; k < planned.companions.size(); ++k) {
        MovedFile& c = o.companions[k];
        if (c.at == c.from)
            continue; // it never left
        if (renamed && move_(c.at, planned.companions[k].to) == MoveResult::Moved)
            c.at = planned.companions[k].to;
        else if (move_(c.at, c.from) == MoveResult::Moved)
            c.at = c.from;
    }
}

void RenameExecutor::finish()
{
    if (finished_)
        return;
    finished_ = true;
    for (size_t index : waiting_)
        settle(index);
}

std::vector<RenameOutcome> executeRenamePlan(const RenamePlan& plan, const MoveStep& move)
{
    RenameExecutor executor(plan, move);
    for (size_t i = 0; i < executor.count(); ++i)
        executor.moveOne(i);
    executor.finish();
    return executor.outcomes();
}

} // namespace vistello

#pragma once
// Carries out a rename plan. Several pictures move in two phases: each to
// its temporary name (new name + "_"), then each from there to its new name,
// so that new names may be old names of the same set. Every move refuses to
// replace anything, so whatever fails, no file is lost: a picture that cannot
// take its new name goes back to its old one, else keeps the temporary name.
#include "organize/rename/RenamePlan.h"
#include "platform/NoReplaceMove.h"

#include <functional>
#include <vector>

namespace vistello {

// The one file operation of renaming; tests make chosen moves fail.
using MoveStep = std::function<MoveResult(const QString& from, const QString& to)>;

struct MovedFile {
    QString from;
    QString at; // where the file is now; from when it did not move
};

struct RenameOutcome {
    MovedFile picture;
    std::vector<MovedFile> companions;
    bool conflict = false; // its new name was in use when the picture came to take it

    bool moved() const { return picture.at != picture.from; }
};

class RenameExecutor {
public:
    explicit RenameExecutor(const RenamePlan& plan, MoveStep move = moveWithoutReplacing);
    // Phase 2 is never abandoned: an executor left after phase 1 finishes.
    ~RenameExecutor();
    RenameExecutor(const RenameExecutor&) = delete;
    RenameExecutor& operator=(const RenameExecutor&) = delete;

    size_t count() const { return plan_.renames.size(); }
    // One picture and its companions: to the new names, or with two phases
    // to the temporary names (phase 1).
    void moveOne(size_t index);
    // Phase 2 for every picture moved so far; once, also after a stop.
    void finish();

    const std::vector<RenameOutcome>& outcomes() const { return outcomes_; }

private:
    void moveCompanions(size_t index, bool temporary);
    void settle(size_t index);

    RenamePlan plan_;
    MoveStep move_;
    std::vector<RenameOutcome> outcomes_;
    std::vector<size_t> waiting_; // at their temporary names, in phase-1 order
    bool finished_ = false;
};

// The whole plan at once (the command line; the job moves one by one).
std::vector<RenameOutcome> executeRenamePlan(const RenamePlan& plan, const MoveStep& move = moveWithoutReplacing);

} // namespace vistello

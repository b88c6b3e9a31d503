#pragma once
// The plan of a rename, made before anything moves: every picture's new
// path, the companions that follow it (".original" backup, sound memo), and
// the checks against the folders on disk. A refused plan moves nothing.
#include "organize/rename/RenameRequest.h"

#include <QString>
#include <vector>

namespace vistello {

struct FileMove {
    QString from;
    QString to; // the final name
};

struct PlannedRename {
    FileMove picture;
    std::vector<FileMove> companions;
};

enum class RenameRefusal {
    None,
    NameTaken,     // one picture: its new name is in use
    WouldOverride, // several pictures: a new name is in use by a file outside the set
    UnsafeName,    // the name would leave the folder or hide the file
};

struct RenamePlan {
    std::vector<PlannedRename> renames;
    bool throughTemporaryNames = false; // several pictures: moved in two phases
    RenameRefusal refusal = RenameRefusal::None;
    QString refusedName; // the name the refusal is about

    bool refused() const { return refusal != RenameRefusal::None; }
};

// Reads the dates of taking when asked and looks at the folders on disk.
RenamePlan buildRenamePlan(const RenameRequest& request);

// The text the user sees for a refused plan.
QString refusalMessage(const RenamePlan& plan);

} // namespace vistello

#pragma once
// Copies a file to a name that must still be free: the bytes go to a unique
// temporary file in the target's folder, are flushed to disk, and only then
// get the name - never replacing a file that took the name meanwhile. An
// interrupted copy (full disk) therefore never leaves a truncated file
// under the name.
#include "jpegedit/originals/FileSteps.h"

#include <QString>

namespace vistello {

struct NewFileOptions {
    bool keepTimes = true;    // the source's access and modification times
    bool makeWritable = false; // clear a read-only state of the copy
};

[[nodiscard]] bool copyToNewName(const QString& from, const QString& to, const NewFileOptions& options,
                   const FileSteps& steps = realFileSteps());

// True when something (a file, folder or link) has this name.
bool nameTaken(const QString& path);

} // namespace vistello

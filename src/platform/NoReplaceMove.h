#pragma once
// Moving a file to a new name without ever replacing what already holds that
// name. rename(2) replaces silently, so every move of the program's own files
// (renaming pictures and their companions) goes through here.
#include <QString>

namespace vistello {

enum class MoveResult {
    Moved,
    TargetExists, // the new name is in use (possibly by the same file): nothing changed
    Failed,       // any other reason: nothing changed
};

// renameat2 with RENAME_NOREPLACE; on file systems without it, a new link and
// the removal of the old name; else refused.
MoveResult moveWithoutReplacing(const QString& from, const QString& to);

// The fallback on its own: link to the new name, then unlink the old one once
// the new name is known to be the same file.
MoveResult moveByLinkAndUnlink(const QString& from, const QString& to);

// The name is in use: a file, folder or link (even a dangling one).
bool entryExists(const QString& path);

// Both names lead to one file (device and inode): hard links, or two
// spellings on a case-insensitive file system.
bool isSameFile(const QString& a, const QString& b);

} // namespace vistello

#pragma once
// The file operations behind the main window's file commands (delete, copy,
// move, file date), gathered behind one interface so that tests can make any
// step fail and check that no file of the user's is lost.
#include <QDateTime>
#include <QString>

namespace vistello {

enum class TrashResult {
    Trashed,
    Unavailable, // the file is still there: no trash for it (read-only media, a mount without a trash)
    Failed,      // nothing to trash
};

enum class MoveOutcome {
    Moved,
    CrossDevice, // the file system cannot move it there: copy instead
    Failed,
};

class FileOperations {
public:
    virtual ~FileOperations() = default;
    // pathInTrash, when given, receives where the file went.
    virtual TrashResult moveToTrash(const QString& path, QString* pathInTrash) = 0;
    [[nodiscard]] virtual bool removePermanently(const QString& path) = 0;
    // A complete copy with the source's mode and dates, written to a unique
    // temporary file beside target, flushed, read back and compared, then
    // given the name only while it is free. On failure nothing is left.
    [[nodiscard]] virtual bool copyToNewFile(const QString& from, const QString& to) = 0;
    // The file system's move (replaces to).
    virtual MoveOutcome move(const QString& from, const QString& to) = 0;
    // Only the modification time changes (the access time is kept).
    [[nodiscard]] virtual bool setModificationTime(const QString& path, const QDateTime& time) = 0;
};

FileOperations& realFileOperations();

// Both paths lead to one folder or file (device and inode, links followed).
bool isSameLocation(const QString& a, const QString& b);

} // namespace vistello

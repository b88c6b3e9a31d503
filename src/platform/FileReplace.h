#pragma once
// The two ways the program writes a file, so that a user's file is never left
// half-written and never replaced unasked:
//  - createNewFile puts a complete new file under a name that must be free:
//    the contents go to a unique temporary file in the target's folder, are
//    flushed to disk, and the temporary file takes the name only when nothing
//    holds it (a file that appeared meanwhile is kept, the write fails);
//  - replaceFileKeepingTimes puts a complete new file in the place of an
//    existing one (symbolic links resolved first): the temporary file gets the
//    old file's mode, owner and access and modification times, is flushed and
//    renamed over it. A write-protected file (see isWriteProtected) is never
//    replaced.
// On any failure the temporary file is removed and the old file is untouched.
#include <QByteArray>
#include <QDateTime>
#include <QIODevice>
#include <QString>
#include <ctime>
#include <functional>
#include <optional>

namespace vistello {

// writeContents writes the complete new file (the device is open for reading
// too, so a copy can be read back) and returns false to abandon the write.
using WriteContents = std::function<bool(QIODevice&)>;

// What a new file gets besides its contents.
struct NewFileAttributes {
    std::optional<unsigned> mode;            // permission bits; none: what the process's umask gives
    std::optional<timespec> accessTime;      // none: now
    std::optional<timespec> modificationTime; // none: now

    static timespec at(const QDateTime& time);
};

// error, when given, receives the system's reason for a failure (EEXIST's
// text when the name is taken).
[[nodiscard]] bool createNewFile(const QString& target, const WriteContents& writeContents, QString* error = nullptr,
                                 const NewFileAttributes& attributes = {});
[[nodiscard]] bool createNewFile(const QString& target, const QByteArray& contents, QString* error = nullptr,
                                 const NewFileAttributes& attributes = {});

// modificationTime, when given, replaces the old file's modification time
// (the access time is kept either way).
[[nodiscard]] bool replaceFileKeepingTimes(const QString& target, const WriteContents& writeContents,
                                           QString* error = nullptr,
                                           const std::optional<QDateTime>& modificationTime = std::nullopt);
[[nodiscard]] bool replaceFileKeepingTimes(const QString& target, const QByteArray& contents, QString* error = nullptr,
                                           const std::optional<QDateTime>& modificationTime = std::nullopt);

// A file the program makes under a name the user chose, or agreed to have
// replaced: an earlier file of that name is replaced whole (dated now, its
// mode kept), else a new file is created that never replaces one appearing
// meanwhile.
[[nodiscard]] bool writeProductFile(const QString& target, const WriteContents& writeContents,
                                    QString* error = nullptr);
[[nodiscard]] bool writeProductFile(const QString& target, const QByteArray& contents, QString* error = nullptr);

} // namespace vistello

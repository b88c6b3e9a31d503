#pragma once
// Replacing a user's file without ever leaving it half-written: the new
// contents go to a unique temporary file in the same folder (symbolic links
// resolved first), which gets the old file's mode, is flushed to disk and is
// then renamed over the old file, carrying the old access and modification
// times. A write-protected file (see isWriteProtected) is never replaced.
// On any failure the temporary file is removed and the old file is untouched.
#include <QByteArray>
#include <QDateTime>
#include <QIODevice>
#include <QString>
#include <functional>
#include <optional>

namespace vistello {

// writeContents writes the complete new file and returns false to abandon
// the replacement. modificationTime, when given, replaces the old file's
// modification time (the access time is kept either way). error, when given,
// receives the system's reason for a failure.
bool replaceFileKeepingTimes(const QString& target, const std::function<bool(QIODevice&)>& writeContents,
                             QString* error = nullptr, const std::optional<QDateTime>& modificationTime = std::nullopt);

bool replaceFileKeepingTimes(const QString& target, const QByteArray& contents, QString* error = nullptr,
                             const std::optional<QDateTime>& modificationTime = std::nullopt);

// The same for a file that may not exist yet: a new file is written the same
// way (temporary file, then renamed into place, never over a file that
// appeared meanwhile) with the mode the process's umask gives.
bool createOrReplaceFile(const QString& target, const QByteArray& contents, QString* error = nullptr,
                         const std::optional<QDateTime>& modificationTime = std::nullopt);

} // namespace vistello

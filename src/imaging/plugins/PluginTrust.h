#pragma once
// Whether a plug-in library may be loaded at all. Loading runs the library's
// constructors, so the file is judged before: it and every folder above it
// (symbolic links resolved) must belong to root or to this user and must not
// be writable by group or others; a folder writable by all is accepted only
// with the sticky bit and owned by root (as /tmp is), where nobody can
// replace another user's entries.
#include <QString>
#include <optional>

namespace vistello {

struct TrustedFile {
    int descriptor = -1; // open for reading; load through /proc/self/fd so the judged file is the one loaded
    QString resolvedPath;
};

// The file opened when it can be trusted; otherwise nothing and, in reason,
// why not.
std::optional<TrustedFile> openTrustedLibrary(const QString& path, QString* reason);

} // namespace vistello

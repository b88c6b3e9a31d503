#include "imaging/plugins/PluginTrust.h"

#include <QFile>

#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vistello {
namespace {

bool trustedOwner(const struct stat& st)
{
    return st.st_uid == 0 || st.st_uid == ::getuid();
}

// A reason against the entry, empty when it may be trusted.
QString judge(const struct stat& st, const QString& name, bool folder)
{
    if (!trustedOwner(st))
        return QStringLiteral("\"%1\" belongs to another user").arg(name);
    const bool othersWrite = (st.st_mode & (S_IWGRP | S_IWOTH)) != 0;
    if (!othersWrite)
        return {};
    if (folder && (st.st_mode & S_ISVTX) && st.st_uid == 0)
        return {};
    return QStringLiteral("\"%1\" is writable by others").arg(name);
}

} // namespace

std::optional<TrustedFile> openTrustedLibrary(const QString& path, QString* reason)
{
    const QByteArray encoded = QFile::encodeName(path);
    char resolved[PATH_MAX];
    if (!::realpath(encoded.constData(), resolved)) {
        *reason = QStringLiteral("it cannot be resolved");
        return std::nullopt;
    }
    const int fd = ::open(resolved, O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (fd >= 0)
            ::close(fd);
        *reason = QStringLiteral("it is not a readable file");
        return std::nullopt;
    }
    const QString resolvedPath = QFile::decodeName(resolved);
    QString why = judge(st, resolvedPath, false);
    // Every folder above the file, up to the root.
    QByteArray folder(resolved);
    while (why.isEmpty() && folder.size() > 1) {
        const qsizetype slash = folder.lastIndexOf('/');
        folder.truncate(slash > 0 ? slash : 1);
        struct stat fs {};
        if (::stat(folder.constData(), &fs) != 0 || !S_ISDIR(fs.st_mode))
            why = QStringLiteral("its folder \"%1\" cannot be read").arg(QFile::decodeName(folder));
        else
            why = judge(fs, QFile::decodeName(folder), true);
    }
    if (!why.isEmpty()) {
        ::close(fd);
        *reason = why;
        return std::nullopt;
    }
    return TrustedFile{fd, resolvedPath};
}

} // namespace vistello

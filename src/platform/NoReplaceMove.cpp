#include "platform/NoReplaceMove.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vistello {

namespace {

bool lstatOf(const QString& path, struct stat& s) { return ::lstat(QFile::encodeName(path).constData(), &s) == 0; }

// The file system or kernel cannot do a no-replace rename.
bool noReplaceUnsupported(int error) { return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP; }

} // namespace

bool entryExists(const QString& path)
{
    struct stat s;
    return lstatOf(path, s);
}

bool isSameFile(const QString& a, const QString& b)
{
    struct stat sa;
    struct stat sb;
    return lstatOf(a, sa) && lstatOf(b, sb) && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

MoveResult moveByLinkAndUnlink(const QString& from, const QString& to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (entryExists(to))
        return MoveResult::TargetExists;
    if (::link(source.constData(), target.constData()) != 0)
        return errno == EEXIST ? MoveResult::TargetExists : MoveResult::Failed;
    // The old name goes only when the new one surely holds the same file.
    if (!isSameFile(from, to))
        return MoveResult::Failed;
    if (::unlink(source.constData()) != 0) {
        ::unlink(target.constData()); // the extra link just made; the file keeps its old name
        return MoveResult::Failed;
    }
    return MoveResult::Moved;
}

MoveResult moveWithoutReplacing(const QString& from, const QString& to)
{
    if (::renameat2(AT_FDCWD, QFile::encodeName(from).constData(), AT_FDCWD, QFile::encodeName(to).constData(),
                    RENAME_NOREPLACE)
        == 0)
        return MoveResult::Moved;
    const int error = errno;
    if (error == EEXIST)
        return MoveResult::TargetExists;
    if (noReplaceUnsupported(error))
        return moveByLinkAndUnlink(from, to);
    return MoveResult::Failed;
}

} // namespace vistello

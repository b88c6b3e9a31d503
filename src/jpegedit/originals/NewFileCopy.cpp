#include "jpegedit/originals/NewFileCopy.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vistello {

namespace {

// Gives the temporary file its final name unless that name is taken.
bool claimName(const QByteArray& temporary, const QByteArray& target)
{
    if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // File systems without RENAME_NOREPLACE: a hard link fails on an existing name too.
    if (::link(temporary.constData(), target.constData()) != 0)
        return false;
    ::unlink(temporary.constData());
    return true;
}

} // namespace

bool nameTaken(const QString& path)
{
    struct stat st{};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

bool copyToNewName(const QString& from, const QString& to, const NewFileOptions& options, const FileSteps& steps)
{
    const QByteArray source = QFile::encodeName(from);
    struct stat st{};
    if (::stat(source.constData(), &st) != 0 || !S_ISREG(st.st_mode) || nameTaken(to))
        return false;
    const QFileInfo target(to);
    QByteArray temporary = QFile::encodeName(target.absolutePath()) + "/." + QFile::encodeName(target.fileName()) + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    bool ok = false;
    {
        QFile out;
        if (out.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
            ok = steps.copyInto(from, out) && out.flush();
            out.close();
        }
    }
    mode_t mode = st.st_mode & 07777;
    if (options.makeWritable)
        mode |= S_IWUSR;
    const timespec times[2] = {st.st_atim, st.st_mtim};
    ok = ok && ::fchmod(fd, mode) == 0 && (!options.keepTimes || ::futimens(fd, times) == 0) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && claimName(temporary, QFile::encodeName(QFileInfo(to).absoluteFilePath()));
    if (!ok)
        ::unlink(temporary.constData());
    return ok;
}

} // namespace vistello

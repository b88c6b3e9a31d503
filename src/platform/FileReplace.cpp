#include "platform/FileReplace.h"

#include "platform/NoReplaceMove.h"
#include "platform/WriteProtection.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace vistello {

namespace {

QString systemError(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

void setError(QString* error, int code)
{
    if (error)
        *error = systemError(code);
}

} // namespace

timespec NewFileAttributes::at(const QDateTime& t)
{
    const qint64 ms = t.toMSecsSinceEpoch();
    timespec ts{};
    ts.tv_sec = time_t(ms / 1000);
    ts.tv_nsec = long((ms % 1000) * 1000000);
    if (ts.tv_nsec < 0) {
        ts.tv_sec -= 1;
        ts.tv_nsec += 1000000000L;
    }
    return ts;
}

namespace {

timespec toTimespec(const QDateTime& t) { return NewFileAttributes::at(t); }

// Removes the temporary file unless released.
class TemporaryPath {
public:
    explicit TemporaryPath(QByteArray path) : path_(std::move(path)) {}
    ~TemporaryPath()
    {
        if (!path_.isEmpty())
            ::unlink(path_.constData());
    }
    void release() { path_.clear(); }

private:
    QByteArray path_;
};

struct TemporaryAttributes {
    mode_t mode = 0;
    std::optional<std::pair<uid_t, gid_t>> owner;
    timespec times[2] = {{0, UTIME_OMIT}, {0, UTIME_OMIT}}; // access, modification
};

// Writes the complete contents into the open temporary file and gives it its
// mode, owner (when given) and times, flushed to disk.
bool writeTemporary(int fd, const WriteContents& writeContents,
                    const TemporaryAttributes& attributes, QString* error)
{
    QFile out;
    if (!out.open(fd, QIODevice::ReadWrite, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        setError(error, EIO);
        return false;
    }
    if (!writeContents(out) || !out.flush()) {
        setError(error, out.error() != QFileDevice::NoError ? EIO : ECANCELED);
        return false;
    }
    // Ownership is best effort (only a privileged user may give a file away).
    if (attributes.owner && ::fchown(fd, attributes.owner->first, attributes.owner->second) != 0) {
        // Keep the group at least when the owner cannot be kept.
        [[maybe_unused]] const int ignored = ::fchown(fd, uid_t(-1), attributes.owner->second);
    }
    if (::fchmod(fd, attributes.mode) != 0 || ::fsync(fd) != 0 || ::futimens(fd, attributes.times) != 0) {
        setError(error, errno);
        return false;
    }
    out.close();
    return true;
}

void syncFolder(const QString& file)
{
    // Make the rename itself durable.
    const int dir = ::open(QFile::encodeName(QFileInfo(file).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

QByteArray temporaryTemplate(const QString& resolved)
{
    return QFile::encodeName(QFileInfo(resolved).absolutePath()) + "/." + QFile::encodeName(QFileInfo(resolved).fileName()) +
           ".XXXXXX";
}

// The mode open() would give a new file. umask() cannot be read without
// setting it, which would race with other threads creating files, so the
// process status tells it; 022 when it does not.
mode_t newFileMode()
{
    mode_t mask = 022;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint value = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    mask = mode_t(value & 0777);
                break;
            }
        }
    }
    return 0666 & ~mask;
}

} // namespace

bool replaceFileKeepingTimes(const QString& target, const WriteContents& writeContents, QString* error, const std::optional<QDateTime>& modificationTime)
{
    // Replace what the link points to, not the link itself.
    const QFileInfo info(target);
    const QString resolved = info.isSymLink() ? info.canonicalFilePath() : info.absoluteFilePath();
    if (resolved.isEmpty()) {
        setError(error, ENOENT);
        return false;
    }
    const QByteArray targetPath = QFile::encodeName(resolved);
    struct stat old{};
    if (::stat(targetPath.constData(), &old) != 0) {
        setError(error, errno);
        return false;
    }
    if (!S_ISREG(old.st_mode)) {
        setError(error, EINVAL);
        return false;
    }
    // Renaming over a file needs only the folder's permission; a file the
    // user protected must still not be replaced, whoever runs the program.
    if (isWriteProtected(resolved)) {
        setError(error, EACCES);
        return false;
    }

    QByteArray temporaryPath = temporaryTemplate(resolved);
    const int fd = ::mkstemp(temporaryPath.data());
    if (fd < 0) {
        setError(error, errno);
        return false;
    }
    TemporaryPath cleanup(temporaryPath);
    TemporaryAttributes attributes;
    attributes.mode = old.st_mode & 07777;
    attributes.owner = std::make_pair(old.st_uid, old.st_gid);
    attributes.times[0] = old.st_atim;
    attributes.times[1] = modificationTime ? toTimespec(*modificationTime) : old.st_mtim;
    if (!writeTemporary(fd, writeContents, attributes, error))
        return false;
    if (::rename(temporaryPath.constData(), targetPath.constData()) != 0) {
        setError(error, errno);
        return false;
    }
    cleanup.release();
    syncFolder(resolved);
    return true;
}

bool createNewFile(const QString& target, const WriteContents& writeContents, QString* error,
                   const NewFileAttributes& attributes)
{
    const QString resolved = QFileInfo(target).absoluteFilePath();
    QByteArray temporaryPath = temporaryTemplate(resolved);
    const int fd = ::mkstemp(temporaryPath.data());
    if (fd < 0) {
        setError(error, errno);
        return false;
    }
    TemporaryPath cleanup(temporaryPath);
    TemporaryAttributes temporary;
    temporary.mode = attributes.mode ? mode_t(*attributes.mode & 07777) : newFileMode();
    if (attributes.accessTime)
        temporary.times[0] = *attributes.accessTime;
    if (attributes.modificationTime)
        temporary.times[1] = *attributes.modificationTime;
    if (!writeTemporary(fd, writeContents, temporary, error))
        return false;
    // The name may have been taken while the contents were written: that file
    // stays (also where the file system cannot rename without replacing).
    const MoveResult moved = moveWithoutReplacing(QFile::decodeName(temporaryPath), resolved);
    if (moved != MoveResult::Moved) {
        setError(error, moved == MoveResult::TargetExists ? EEXIST : EIO);
        return false;
    }
    cleanup.release();
    syncFolder(resolved);
    return true;
}

bool createNewFile(const QString& target, const QByteArray& contents, QString* error,
                   const NewFileAttributes& attributes)
{
    return createNewFile(
        target, [&](QIODevice& out) { return out.write(contents) == contents.size(); }, error, attributes);
}

bool replaceFileKeepingTimes(const QString& target, const QByteArray& contents, QString* error,
                             const std::optional<QDateTime>& modificationTime)
{
    return replaceFileKeepingTimes(
        target, [&](QIODevice& out) { return out.write(contents) == contents.size(); }, error, modificationTime);
}

bool writeProductFile(const QString& target, const WriteContents& writeContents, QString* error)
{
    if (entryExists(target))
        return replaceFileKeepingTimes(target, writeContents, error, QDateTime::currentDateTime());
    return createNewFile(target, writeContents, error);
}

bool writeProductFile(const QString& target, const QByteArray& contents, QString* error)
{
    return writeProductFile(
        target, [&](QIODevice& out) { return out.write(contents) == contents.size(); }, error);
}

} // namespace vistello

#include "platform/FileOperations.h"

#include "platform/FileReplace.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vistello {

namespace {

QByteArray checksumOf(QFile& file)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.seek(0) || !hash.addData(&file))
        return {};
    return hash.result();
}

class RealFileOperations final : public FileOperations {
public:
    TrashResult moveToTrash(const QString& path, QString* pathInTrash) override
    {
        if (!QFileInfo::exists(path))
            return TrashResult::Failed;
        // Qt does not create a missing data folder for the home trash; it
        // then "trashes" into relative folders below the working directory.
        QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
        QString trashed;
        if (QFile::moveToTrash(path, &trashed)) {
            if (QFileInfo(trashed).isAbsolute()) {
                if (pathInTrash)
                    *pathInTrash = trashed;
                return TrashResult::Trashed;
            }
            // Not a trash: put the file back and drop the info file written beside it.
            const QFileInfo moved(trashed);
            QFile::rename(trashed, path);
            QFile::remove(moved.dir().filePath(QStringLiteral("../info/") + moved.fileName() + QStringLiteral(".trashinfo")));
        }
        return QFileInfo::exists(path) ? TrashResult::Unavailable : TrashResult::Failed;
    }

    bool removePermanently(const QString& path) override
    {
        return ::unlink(QFile::encodeName(path).constData()) == 0;
    }

    bool copyToNewFile(const QString& from, const QString& to) override
    {
        QFile in(from);
        struct stat source{};
        if (!in.open(QIODevice::ReadOnly) || ::fstat(in.handle(), &source) != 0 || !S_ISREG(source.st_mode))
            return false;
        const QByteArray sourceSum = checksumOf(in);
        if (sourceSum.isEmpty() || !in.seek(0))
            return false;
        const auto write = [&](QIODevice& out) {
            while (!in.atEnd()) {
                const QByteArray chunk = in.read(1 << 20);
                if ((chunk.isEmpty() && in.error() != QFileDevice::NoError) || out.write(chunk) != chunk.size())
                    return false;
            }
            auto* file = qobject_cast<QFile*>(&out);
            return file && file->flush() && checksumOf(*file) == sourceSum;
        };
        // A picture keeps its dates wherever it goes.
        NewFileAttributes attributes;
        attributes.mode = source.st_mode & 07777;
        attributes.accessTime = source.st_atim;
        attributes.modificationTime = source.st_mtim;
        return createNewFile(to, write, nullptr, attributes);
    }

    MoveOutcome move(const QString& from, const QString& to) override
    {
        if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
            return MoveOutcome::Moved;
        return errno == EXDEV ? MoveOutcome::CrossDevice : MoveOutcome::Failed;
    }

    bool setModificationTime(const QString& path, const QDateTime& time) override
    {
        const qint64 ms = time.toMSecsSinceEpoch();
        struct timespec times[2];
        times[0].tv_sec = 0;
        times[0].tv_nsec = UTIME_OMIT;
        times[1].tv_sec = ms / 1000;
        times[1].tv_nsec = (ms % 1000) * 1000000;
        return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
    }
};

} // namespace

FileOperations& realFileOperations()
{
    static RealFileOperations operations;
    return operations;
}

bool isSameLocation(const QString& a, const QString& b)
{
    struct stat sa;
    struct stat sb;
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0
        && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

} // namespace vistello

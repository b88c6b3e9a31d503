#include "jpegedit/originals/NewFileCopy.h"

#include "platform/FileReplace.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vistello {

bool nameTaken(const QString& path)
{
    struct stat st{};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

bool copyToNewName(const QString& from, const QString& to, const NewFileOptions& options, const FileSteps& steps)
{
    struct stat st{};
    if (::stat(QFile::encodeName(from).constData(), &st) != 0 || !S_ISREG(st.st_mode) || nameTaken(to))
        return false;
    NewFileAttributes attributes;
    attributes.mode = (st.st_mode & 07777) | (options.makeWritable ? S_IWUSR : 0);
    if (options.keepTimes) {
        attributes.accessTime = st.st_atim;
        attributes.modificationTime = st.st_mtim;
    }
    return createNewFile(to, [&](QIODevice& out) { return steps.copyInto(from, out); }, nullptr, attributes);
}

} // namespace vistello

#include "platform/WriteProtection.h"

#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

namespace vistello {

bool isWriteProtected(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st{};
    if (::stat(name.constData(), &st) != 0)
        return true;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return true;
    return ::access(name.constData(), W_OK) != 0;
}

} // namespace vistello

#include "platform/ProgramLocation.h"

#include "platform/FolderPath.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace vistello {

QString executablePath()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    // Tools and tests may run without an application object.
    return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
}

QString executableFolder()
{
    const QString path = executablePath();
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0)
        return QStringLiteral("./");
    return withTrailingSlash(path.left(slash + 1));
}

} // namespace vistello

#include "app/cli/PersonalFolderOption.h"

#include "platform/PersonalFolder.h"

#include <QDir>

namespace vistello::cli {

QString personalFolderFrom(const CliArguments& parsed)
{
    if (!parsed.has("-b"))
        return userDocumentsFolder();
    const QString folder = QDir(parsed.value("-b")).absolutePath();
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace vistello::cli

#include "platform/PersonalFolder.h"

#include "platform/FolderPath.h"
#include "platform/FolderWritable.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vistello {
namespace {

QString existingFolder(QStandardPaths::StandardLocation location)
{
    const QString folder = QStandardPaths::writableLocation(location);
    return (!folder.isEmpty() && QFileInfo(folder).isDir()) ? withTrailingSlash(folder) : QString();
}

} // namespace

QString userDocumentsFolder()
{
    const QString documents = existingFolder(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? existingFolder(QStandardPaths::HomeLocation) : documents;
}

QString applicationDataFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    return withTrailingSlash(folder);
}

QString defaultPersonalFolder(const QString& programFolder, bool runsFromCdRom)
{
    if (runsFromCdRom)
        return withTrailingSlash(programFolder);
    const QString documents = userDocumentsFolder();
    if (isFolderWritable(documents))
        return documents;
    // The program folder is never writable here; use the data location instead.
    const QString data = applicationDataFolder();
    return data.isEmpty() ? withTrailingSlash(programFolder) : data;
}

} // namespace vistello

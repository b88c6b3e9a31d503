#include "organize/folders/SubfolderListing.h"

#include "platform/DriveKind.h"
#include "platform/FolderPath.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>

#include <dirent.h>
#include <sys/stat.h>

namespace vistello {
namespace {

bool isFolderEntry(const dirent& entry, const QByteArray& fullPath)
{
    if (entry.d_type == DT_DIR)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    struct stat target {};
    return ::stat(fullPath.constData(), &target) == 0 && S_ISDIR(target.st_mode);
}

bool isLocalVolume(const QStorageInfo& volume)
{
    if (!volume.isValid() || !volume.isReady() || !volume.device().startsWith("/dev/")
        || volume.fileSystemType() == "squashfs" || volume.rootPath() == QLatin1String("/"))
        return false;
    const DriveKind kind = driveKindOf(volume.rootPath());
    return kind == DriveKind::Fixed || kind == DriveKind::Removable;
}

} // namespace

QStringList listSubfolders(const QString& folder, HiddenFolders hidden)
{
    QStringList names;
    const QByteArray encodedFolder = QFile::encodeName(withTrailingSlash(folder));
    DIR* dir = ::opendir(encodedFolder.constData());
    if (!dir)
        return names;
    QByteArray fullPath;
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (name[0] == '.' && (hidden == HiddenFolders::Skip || name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        fullPath = encodedFolder;
        fullPath += name;
        if (isFolderEntry(*entry, fullPath))
            names.append(QFile::decodeName(name));
    }
    ::closedir(dir);
    return names;
}

QStringList mountedLocalVolumes()
{
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (isLocalVolume(volume))
            roots.append(withTrailingSlash(volume.rootPath()));
    return roots;
}

QStringList mountedRemovableVolumes()
{
    QStringList roots;
    for (const QString& root : mountedLocalVolumes())
        if (driveKindOf(root) == DriveKind::Removable)
            roots.append(root);
    return roots;
}

QStringList addressRoots()
{
    QStringList roots{QStringLiteral("/"), withTrailingSlash(QDir::homePath())};
    for (const QString& root : mountedLocalVolumes())
        if (!roots.contains(root))
            roots.append(root);
    return roots;
}

} // namespace vistello

#include "organize/search/SearchRoots.h"

#include <QStorageInfo>

namespace vistello {

namespace {

// Kernel views, memory-backed and network file systems: nothing a user
// keeps pictures on for good, or too slow and shared to walk whole.
constexpr const char* kSkippedTypes[] = {
    "proc",   "sysfs",    "devtmpfs", "devpts",  "tmpfs",       "ramfs",    "cgroup",     "cgroup2", "securityfs",
    "debugfs", "tracefs", "pstore",   "bpf",     "mqueue",      "hugetlbfs", "configfs",  "fusectl", "autofs",
    "binfmt_misc", "efivarfs", "rpc_pipefs", "nsfs", "squashfs", "nfs",     "nfs4",       "cifs",    "smb3",
    "smbfs",  "9p",       "ceph",     "afs",     "glusterfs",   "davfs",
};

bool isLocalDiskType(const QString& type)
{
    for (const char* skipped : kSkippedTypes)
        if (type == QLatin1String(skipped))
            return false;
    return !type.startsWith(QLatin1String("fuse."));
}

bool isSystemPlace(const QString& mountPoint)
{
    for (const char* place : {"/proc", "/sys", "/dev", "/run"})
        if (mountPoint == QLatin1String(place) || mountPoint.startsWith(QLatin1String(place) + QLatin1Char('/')))
            return true;
    return false;
}

QString withSlash(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

QStringList localMountPoints(const std::vector<std::pair<QString, QString>>& mounts)
{
    QStringList points;
    for (const auto& [point, type] : mounts)
        if (isLocalDiskType(type) && !isSystemPlace(point) && !points.contains(withSlash(point)))
            points.append(withSlash(point));
    return points;
}

std::vector<SearchRoot> searchRoots(const QString& folderList)
{
    std::vector<SearchRoot> roots;
    for (const QString& piece : folderList.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        roots.push_back({withSlash(piece), false});
    if (!folderList.trimmed().isEmpty())
        return roots;
    std::vector<std::pair<QString, QString>> mounts;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            mounts.emplace_back(volume.rootPath(), QString::fromLatin1(volume.fileSystemType()));
    for (const QString& point : localMountPoints(mounts))
        roots.push_back({point, true});
    return roots;
}

} // namespace vistello

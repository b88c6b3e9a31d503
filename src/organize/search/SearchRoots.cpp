#include "organize/search/SearchRoots.h"

#include <QSet>
#include <QStorageInfo>

namespace vistello {

namespace {

// Kernel views, memory-backed and network file systems: nothing a user
// keeps pictures on for good, or too slow and shared to walk whole.
bool isLocalDiskType(const QString& type)
{
    static const QSet<QString> skipped = {
        QStringLiteral("proc"),       QStringLiteral("sysfs"),      QStringLiteral("devtmpfs"),
        QStringLiteral("devpts"),     QStringLiteral("tmpfs"),      QStringLiteral("ramfs"),
        QStringLiteral("cgroup"),     QStringLiteral("cgroup2"),    QStringLiteral("securityfs"),
        QStringLiteral("debugfs"),    QStringLiteral("tracefs"),    QStringLiteral("pstore"),
        QStringLiteral("bpf"),        QStringLiteral("mqueue"),     QStringLiteral("hugetlbfs"),
        QStringLiteral("configfs"),   QStringLiteral("fusectl"),    QStringLiteral("autofs"),
        QStringLiteral("binfmt_misc"), QStringLiteral("efivarfs"),  QStringLiteral("rpc_pipefs"),
        QStringLiteral("nsfs"),       QStringLiteral("squashfs"),   QStringLiteral("nfs"),
        QStringLiteral("nfs4"),       QStringLiteral("cifs"),       QStringLiteral("smb3"),
        QStringLiteral("smbfs"),      QStringLiteral("9p"),         QStringLiteral("ceph"),
        QStringLiteral("afs"),        QStringLiteral("glusterfs"),  QStringLiteral("davfs"),
    };
    return !skipped.contains(type) && !type.startsWith(QLatin1String("fuse."));
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

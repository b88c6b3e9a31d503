#include "platform/DriveKind.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <array>
#include <string_view>

namespace vistello {
namespace {

constexpr std::array<std::string_view, 2> kOpticalFileSystems = {"iso9660", "udf"};

constexpr std::array<std::string_view, 13> kNetworkFileSystems = {
    "nfs", "nfs4", "cifs", "smb3", "smbfs", "afs", "ceph", "glusterfs",
    "9p", "fuse.sshfs", "fuse.davfs2", "davfs", "fuse.glusterfs",
};

bool listed(const QByteArray& type, auto& table)
{
    const std::string_view wanted(type.constData(), static_cast<size_t>(type.size()));
    for (std::string_view entry : table)
        if (entry == wanted)
            return true;
    return false;
}

// "1" in the kernel's removable flag of the block device (or, for a
// partition, of its disk).
bool isRemovableDevice(const QByteArray& device)
{
    if (!device.startsWith("/dev/"))
        return false;
    const QString name = QFileInfo(QString::fromLocal8Bit(device)).canonicalFilePath().section(u'/', -1);
    if (name.isEmpty())
        return false;
    QString sysDir = QFileInfo(QStringLiteral("/sys/class/block/") + name).canonicalFilePath();
    if (sysDir.isEmpty())
        return false;
    if (QFileInfo::exists(sysDir + QStringLiteral("/partition")))
        sysDir = sysDir.section(u'/', 0, -2);
    QFile flag(sysDir + QStringLiteral("/removable"));
    if (!flag.open(QIODevice::ReadOnly))
        return false;
    return flag.read(8).trimmed() == "1";
}

bool isOpticalDevice(const QByteArray& device)
{
    return device.startsWith("/dev/sr") || device.startsWith("/dev/scd") || device.startsWith("/dev/cdrom");
}

} // namespace

DriveKind driveKindOf(const QString& path)
{
    const QStorageInfo storage(path);
    if (!storage.isValid())
        return DriveKind::Unknown;
    const QByteArray type = storage.fileSystemType();
    const QByteArray device = storage.device();
    if (listed(type, kOpticalFileSystems) || isOpticalDevice(device))
        return DriveKind::CdRom;
    if (listed(type, kNetworkFileSystems))
        return DriveKind::Network;
    if (isRemovableDevice(device))
        return storage.isReadOnly() ? DriveKind::CdRom : DriveKind::Removable;
    return DriveKind::Fixed;
}

} // namespace vistello

#pragma once
// The kind of storage a path lies on.
#include <QString>

namespace vistello {

enum class DriveKind {
    Unknown,   // the path's mount could not be determined
    Fixed,     // local disk
    Removable, // writable removable medium (USB stick, card reader)
    Network,   // network file system
    CdRom,     // optical disc file system, or a read-only removable medium
};

DriveKind driveKindOf(const QString& path);

inline bool isOnCdRom(const QString& path)
{
    return driveKindOf(path) == DriveKind::CdRom;
}

} // namespace vistello

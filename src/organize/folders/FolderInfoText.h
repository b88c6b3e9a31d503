#pragma once
// The short texts the folder tree shows: "(count) (size)" beside a folder,
// "(count)" beside a branch, and the drive line at the bottom (free space of
// the current folder's volume, the mount standing for the drive).
#include "core/filetypes/FolderScan.h"

#include <QString>

namespace vistello {

// "(3) (4 KB)"; empty when the folder holds no pictures.
QString folderInfoText(const FolderStatistics& stats);
// "(5)"; empty for 0.
QString countInfoText(int count);
// The folder's own pictures, or zeros without touching a network mount.
FolderStatistics treeFolderStatistics(const QString& folder);

struct DriveSpace {
    bool valid = false; // the free space could be queried
    QString root;       // the mount point: the "drive"
    qint64 totalKilobytes = 0;
    qint64 freeKilobytes = 0; // as an unprivileged user may use it
};
DriveSpace driveSpaceOf(const QString& folder);

// 'Drive "/media/card", 1.2 GB ~ 410 pictures' and, on a second line,
// "Average picture size: 3.0 MB", as far as the numbers are known.
QString driveLine(const DriveSpace& drive, const FolderStatistics& folder);

} // namespace vistello

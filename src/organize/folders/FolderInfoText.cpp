#include "organize/folders/FolderInfoText.h"

#include "platform/DriveKind.h"
#include "resources/FolderStrings.h"

#include <QStorageInfo>

namespace vistello {

QString folderInfoText(const FolderStatistics& stats)
{
    if (stats.pictureCount == 0)
        return {};
    return QStringLiteral("(%1) (%2)").arg(stats.pictureCount).arg(formatKilobytes(stats.totalKilobytes));
}

QString countInfoText(int count)
{
    return count == 0 ? QString() : QStringLiteral("(%1)").arg(count);
}

FolderStatistics treeFolderStatistics(const QString& folder)
{
    if (driveKindOf(folder) == DriveKind::Network)
        return {};
    return folderStatistics(folder);
}

DriveSpace driveSpaceOf(const QString& folder)
{
    DriveSpace drive;
    const QStorageInfo storage(folder);
    if (!storage.isValid() || !storage.isReady())
        return drive;
    drive.valid = true;
    drive.root = storage.rootPath();
    drive.totalKilobytes = storage.bytesTotal() / 1024;
    drive.freeKilobytes = storage.bytesAvailable() / 1024;
    return drive;
}

QString driveLine(const DriveSpace& drive, const FolderStatistics& folder)
{
    using namespace strings;
    const qint64 average = folder.averageKilobytes;
    const qint64 free = drive.valid ? drive.freeKilobytes : 0;
    const QString averageLine = formatInserts(text(kAveragePictureSizeLine), {formatKilobytes(average)});
    if (average <= 0)
        return formatInserts(text(kDriveLineFreeOnly), {drive.root, formatKilobytes(free)});
    if (free <= 0)
        return averageLine;
    return formatInserts(text(kDriveLineWithPictures),
                         {drive.root, formatKilobytes(free), QString::number(free / average)})
        + QLatin1Char('\n') + averageLine;
}

} // namespace vistello

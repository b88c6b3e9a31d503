#include "organize/folders/TreeStatistics.h"

#include "core/filetypes/PictureFileTypes.h"
#include "resources/FolderStrings.h"

namespace vistello {

bool scanTreeStatistics(const QString& folder, TreeStatistics& stats, const std::atomic<bool>* stop,
                        const std::function<void(const TreeStatistics&)>& progress)
{
    const PictureFileTypes& types = PictureFileTypes::instance();
    bool stopped = false;
    scanFolderTreeOnOneFileSystem(folder, [&](const ScanEntry& entry) {
        if (stop && stop->load()) {
            stopped = true;
            return false;
        }
        if (entry.isFolder) {
            ++stats.folderCount;
            if (progress)
                progress(stats);
        } else if (types.isPictureFile(entry.path)) {
            ++stats.pictureCount;
            stats.pictureKilobytes += (entry.size() + 512) / 1024;
        } else {
            ++stats.otherCount;
            stats.otherKilobytes += (entry.size() + 512) / 1024;
        }
        return true;
    });
    return !stopped;
}

QString propertiesCopyText(const DriveSpace& drive, const QString& folder, const TreeStatistics& stats)
{
    using namespace strings;
    const QString end = QStringLiteral("\r\n");
    const QString blank = QStringLiteral(" ");
    const QString average = stats.pictureCount ? formatKilobytes(stats.averagePictureKilobytes()) : QString();
    return QLatin1Char('[') + formatInserts(text(kDriveTitle), {drive.root}) + QLatin1Char(']') + end
        + text(kSizeLabel) + blank + formatKilobytes(drive.totalKilobytes) + end
        + text(kFreeLabel) + blank + formatKilobytes(drive.freeKilobytes) + end + end
        + QLatin1Char('[') + folder + QLatin1Char(']') + end
        + text(kPicturesLabel) + blank + QString::number(stats.pictureCount) + QStringLiteral("    ")
        + text(kAveragePictureSizeLabel) + blank + average + end
        + text(kSizeLabel) + blank + formatKilobytes(stats.pictureKilobytes) + end + end
        + text(kOtherObjectsLabel) + blank + QString::number(stats.otherCount) + end
        + text(kSizeLabel) + blank + formatKilobytes(stats.otherKilobytes) + end + end
        + text(kFoldersLabel) + blank + QString::number(stats.folderCount) + end;
}

} // namespace vistello

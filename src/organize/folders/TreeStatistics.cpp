#include "organize/folders/TreeStatistics.h"

#include "core/filetypes/PictureFileTypes.h"
#include "resources/FolderStrings.h"

#include <QFile>
#include <optional>

#include <sys/stat.h>

namespace vistello {
namespace {

// A file's size, or nothing for a link: the file it leads to is counted
// where it lies (as find -type f counts), not once more per link.
std::optional<qint64> ownFileSize(const QString& path)
{
    struct stat own {};
    if (::lstat(QFile::encodeName(path).constData(), &own) != 0 || !S_ISREG(own.st_mode))
        return std::nullopt;
    return qint64(own.st_size);
}

} // namespace

bool scanTreeStatistics(const QString& folder, TreeStatistics& stats, const std::atomic<bool>* stop,
                        const std::function<void(const TreeStatistics&)>& progress)
{
    const PictureFileTypes& types = PictureFileTypes::instance();
    bool stopped = false;
    scanFolder(folder, true, [&](const ScanEntry& entry) {
        if (stop && stop->load()) {
            stopped = true;
            return false;
        }
        if (entry.isFolder) {
            ++stats.folderCount;
            if (progress)
                progress(stats);
            return true;
        }
        const std::optional<qint64> size = ownFileSize(entry.path);
        if (!size)
            return true;
        if (types.isPictureFile(entry.path)) {
            ++stats.pictureCount;
            stats.pictureKilobytes += (*size + 512) / 1024;
        } else {
            ++stats.otherCount;
            stats.otherKilobytes += (*size + 512) / 1024;
        }
        return true;
    }, /*oneFileSystem=*/true);
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

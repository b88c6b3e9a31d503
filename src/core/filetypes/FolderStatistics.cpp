#include "core/filetypes/FolderScan.h"
#include "core/filetypes/PictureFileTypes.h"

namespace vistello {

FolderStatistics folderStatistics(const QString& folder)
{
    FolderStatistics stats;
    if (folder.isEmpty())
        return stats;
    const PictureFileTypes& types = PictureFileTypes::instance();
    scanFolder(folder, false, [&](const ScanEntry& entry) {
        if (types.isPictureFile(entry.path)) {
            ++stats.pictureCount;
            stats.totalKilobytes += (entry.size() + 512) / 1024;
        }
        return true;
    });
    if (stats.pictureCount != 0)
        stats.averageKilobytes = stats.totalKilobytes / stats.pictureCount;
    return stats;
}

// QString::asprintf formats with the C locale, so the decimal point is always ".".
QString formatKilobytes(qint64 kilobytes)
{
    if (kilobytes < 1000)
        return QString::asprintf("%lld KB", static_cast<long long>(kilobytes));
    if (kilobytes < 1000000)
        return QString::asprintf("%.1f MB", static_cast<double>(kilobytes) / 1024.0);
    return QString::asprintf("%.2f GB", static_cast<double>(kilobytes) / 1048576.0);
}

} // namespace vistello

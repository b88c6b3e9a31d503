#pragma once
// Folder enumeration for picture lists, folder statistics and the companion
// sound file that some cameras store beside a picture.
#include <QDateTime>
#include <QString>
#include <functional>

namespace vistello {

struct ScanEntry {
    QString path;        // folder + name; folders end in "/"
    bool isFolder = false;

    // Looked up on demand: listing a folder needs names only, and a status
    // call per file would triple the cost of scanning large folders.
    qint64 size() const;
    QDateTime modified() const;
};

// Called for each regular file, and for each sub-folder of a recursive scan
// before it is entered. Returning false stops the scan.
using ScanVisitor = std::function<bool(const ScanEntry&)>;

// Enumerates folder (with or without a trailing "/") in the file system's
// order, hidden files included, depth first when recursive. Regular files only
// (symlinks to them count); directory symlinks are never followed; paths
// longer than 511 UTF-16 units are skipped. A folder that cannot be read
// yields nothing. With oneFileSystem, a sub-folder on another file system
// (a mount point, /proc below "/") is reported but not entered, as find -xdev.
void scanFolder(const QString& folder, bool recursive, const ScanVisitor& visitor, bool oneFileSystem = false);

// The pictures (by the registered file types) of folder and its sub-folders
// when recursive, in scan order.
QStringList scanPictures(const QString& folder, bool recursive);

struct FolderStatistics {
    int pictureCount = 0;
    qint64 totalKilobytes = 0;
    qint64 averageKilobytes = 0;
};
// Pictures directly in folder, each counted to the nearest kilobyte. An empty
// path gives zeros.
FolderStatistics folderStatistics(const QString& folder);

// "%d KB" below 1000, "%.1f MB" below 1000000, else "%.2f GB".
QString formatKilobytes(qint64 kilobytes);

} // namespace vistello

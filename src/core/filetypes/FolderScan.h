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
    qint64 size = 0;
    QDateTime modified;
};

// Called for each regular file, and for each sub-folder of a recursive scan
// before it is entered. Returning false stops a recursive scan.
using ScanVisitor = std::function<bool(const ScanEntry&)>;

// Enumerates folder (with or without a trailing "/") in the file system's
// order, depth first when recursive. Regular files only; directory symlinks
// are never followed; paths longer than 511 UTF-16 units are skipped.
void scanFolder(const QString& folder, bool recursive, const ScanVisitor& visitor);

// The pictures (by the registered file types) of folder and its sub-folders
// when recursive, in scan order.
QStringList scanPictures(const QString& folder, bool recursive);

struct FolderStatistics {
    int pictureCount = 0;
    qint64 totalKilobytes = 0;
    qint64 averageKilobytes = 0;
};
FolderStatistics folderStatistics(const QString& folder);

// "%d KB" below 1000, "%.1f MB" below 1000000, else "%.2f GB".
QString formatKilobytes(qint64 kilobytes);

// IMG_0001.wav, else SND_0001.wav beside IMG_0001.JPG; empty when neither exists.
QString findCompanionSound(const QString& picturePath, bool fullPath);

} // namespace vistello

#pragma once
// The picture statistics of a folder and all its sub-folders, as the
// Properties dialog shows and copies them. The walk is the engine's folder
// scan kept to one file system: directory links are never followed, only
// regular files count (a FIFO never blocks it; a link to a file is counted
// where the file lies), and /proc or another mount below the folder is not
// entered.
#include "organize/folders/FolderInfoText.h"

#include <QString>
#include <atomic>
#include <functional>

namespace vistello {

struct TreeStatistics {
    int pictureCount = 0;
    qint64 pictureKilobytes = 0; // each file (size + 512) / 1024
    int otherCount = 0;
    qint64 otherKilobytes = 0;
    int folderCount = 0; // below the folder itself

    qint64 averagePictureKilobytes() const { return pictureCount ? pictureKilobytes / pictureCount : 0; }
};

// progress is called with the counts so far each time the walk reaches a
// folder. Returns false when *stop was set before the walk ended.
bool scanTreeStatistics(const QString& folder, TreeStatistics& stats, const std::atomic<bool>* stop,
                        const std::function<void(const TreeStatistics&)>& progress);

// The Properties dialog's "Copy" text, lines ending in CR LF.
QString propertiesCopyText(const DriveSpace& drive, const QString& folder, const TreeStatistics& stats);

} // namespace vistello

#include "app/startup/PathArguments.h"

#include "app/startup/CommandLine.h"
#include "core/filetypes/FolderScan.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PathCollation.h"

#include <QFileInfo>

namespace vistello {

PathArgumentCollector::PathArgumentCollector(StartupOptions& options, const PictureFileTypes& fileTypes)
    : options_(options)
    , fileTypes_(fileTypes)
{
    for (const QString& picture : options_.commandLinePictures)
        known_.insert(picture);
}

void PathArgumentCollector::add(QStringView parameter)
{
    const QString path = makeFullPath(parameter);
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    // Regular files only: a FIFO or device named like a picture must not block.
    if (info.isFile() && info.isReadable()) {
        options_.pathsGiven = true;
        addFile(path);
    } else if (info.isDir()) {
        options_.pathsGiven = true;
        addFolder(path);
    }
}

void PathArgumentCollector::addFile(const QString& path)
{
    // Picture-list files are read by the picture-list step; nothing is read here.
    if (fileTypes_.isPictureFile(path))
        append(path);
}

void PathArgumentCollector::addFolder(const QString& path)
{
    QStringList pictures = scanPictures(path, options_.includeSubfolders);
    sortPaths(pictures);
    for (const QString& picture : pictures)
        append(picture);
}

void PathArgumentCollector::append(const QString& picture)
{
    if (picture.isEmpty() || picture.size() > kMaxPathLength || known_.contains(picture))
        return;
    known_.insert(picture);
    options_.commandLinePictures.append(picture);
}

} // namespace vistello

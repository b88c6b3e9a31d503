#include "core/lists/CommandLinePictures.h"

#include "core/filetypes/PictureFileTypes.h"

#include <QDir>
#include <QFileInfo>

namespace vistello {

QString fullPathOf(const QString& argument)
{
    if (argument.isEmpty())
        return argument;
    const QString full = QDir::cleanPath(QDir::current().absoluteFilePath(argument));
    return full.size() > PathArray::kMaxPathLength ? argument : full;
}

CommandLinePictures::CommandLinePictures()
    : list_(100, ListKind::CommandLine)
{
}

void CommandLinePictures::addPathArgument(const QString& argument, bool includeSubfolders)
{
    const QString path = fullPathOf(argument);
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (info.isFile() && info.isReadable()) {
        pathsGiven_ = true;
        PictureList listed(100, ListKind::CommandLine);
        if (listed.readListFile(path, false)) {
            appendNew(listed.pending());
        } else if (PictureFileTypes::instance().isPictureFile(path)) {
            PathArray one(1);
            one.append(path);
            appendNew(one);
        }
        // A list file that named no existing picture adds nothing.
    } else if (info.isDir()) {
        pathsGiven_ = true;
        PictureList folder(100, ListKind::CommandLine);
        folder.scanFolder(path, includeSubfolders);
        appendNew(folder.entries());
    }
}

void CommandLinePictures::appendNew(const PathArray& from)
{
    for (int i = 0; i < from.count(); ++i) {
        const QString picture = from.at(i);
        if (picture.isEmpty() || known_.contains(picture))
            continue;
        list_.entries().append(picture);
        known_.insert(picture);
    }
}

void CommandLinePictures::discardPictures()
{
    list_.clear(false);
    known_.clear();
}

CommandLinePictures collectPathArguments(const QStringList& paths, bool includeSubfolders)
{
    CommandLinePictures pictures;
    for (const QString& path : paths)
        pictures.addPathArgument(path, includeSubfolders);
    return pictures;
}

} // namespace vistello

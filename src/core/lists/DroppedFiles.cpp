#include "core/lists/DroppedFiles.h"

#include "core/filetypes/PictureFileTypes.h"

#include <QFileInfo>

namespace vistello {

PictureList collectDroppedFiles(const QStringList& paths)
{
    PictureList dropped(100, ListKind::DragAndDrop);
    const PictureFileTypes& types = PictureFileTypes::instance();
    for (const QString& path : paths) {
        if (types.isPictureFile(path)) {
            dropped.entries().append(path);
        } else if (QFileInfo(path).isDir()) {
            PictureList folder(100, ListKind::DragAndDrop);
            folder.scanFolder(path, true);
            PathArray::appendAll(folder.entries(), dropped.entries());
        } else if (QFileInfo(path).isFile()) {
            PictureList listed(100, ListKind::DragAndDrop);
            listed.readListFile(path, true);
            PathArray::appendAll(listed.entries(), dropped.entries());
        }
    }
    return dropped;
}

} // namespace vistello

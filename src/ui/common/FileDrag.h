#pragma once

#include <QStringList>

class QMimeData;
class QPixmap;
class QWidget;

namespace vistello {

// Drags picture files out of a view (viewer, preview strip, overview). The data is a plain list of
// file URLs, so other programs accept it as well as our own folder tree and main window.
// Returns the action the drop target took (Qt::IgnoreAction when the drag was cancelled).
Qt::DropAction startFileDrag(QWidget* source, const QStringList& paths, const QPixmap& feedback);

// The local files a drag carries; everything that is not a local file is left out.
QStringList draggedFilePaths(const QMimeData* data);

} // namespace vistello

#pragma once
// Turning the files dropped onto the main window into a picture list.
#include "core/lists/PictureList.h"

#include <QStringList>

namespace vistello {

// In drop order: pictures as they are, folders scanned with their
// sub-folders, anything else read as a picture-list file. No duplicate
// checks. The result is of the drag-and-drop kind.
PictureList collectDroppedFiles(const QStringList& paths);

} // namespace vistello

#pragma once
// Where a picture list's pictures came from; the kind picks the caption.
#include <QString>

namespace vistello {

enum class ListKind : int {
    Folder = 0,         // a folder chosen in the folder tree
    FavouriteFolder = 1,
    FavouritesNode = 2, // the favourites node itself; the list is empty
    CommandLine = 3,
    SearchResult = 4,
    DragAndDrop = 5,
};

// The caption of a list of this kind: its count and, for folder kinds, the
// main window's current folder.
QString listCaption(ListKind kind, int count, const QString& currentFolder);

} // namespace vistello

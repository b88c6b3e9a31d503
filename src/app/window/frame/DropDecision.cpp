#include "app/window/frame/DropDecision.h"

namespace vistello {

DropAction decideDrop(const DropInputs& in)
{
    if (!in.hasFiles)
        return DropAction::Ignore;
    if (in.ontoFolderList)
        return DropAction::FolderMenu;
    // The program's own pictures dragged back onto its window (a slight drag
    // in the viewer) must not replace the list.
    return in.fromThisProgram ? DropAction::Ignore : DropAction::ReplaceList;
}

} // namespace vistello

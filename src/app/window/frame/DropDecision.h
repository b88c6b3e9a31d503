#pragma once
// What files dropped onto the main window do.
namespace vistello {

enum class DropAction {
    Ignore,      // nothing happens
    FolderMenu,  // the copy/move menu for the folder shown
    ReplaceList, // the files become the dropped-pictures list
};

struct DropInputs {
    bool hasFiles = false;
    // The drag started in this program (the viewer, the strip or the overview).
    bool fromThisProgram = false;
    // Released over the strip or the overview of a folder list, and the
    // pictures come from another folder.
    bool ontoFolderList = false;
};

DropAction decideDrop(const DropInputs& in);

} // namespace vistello

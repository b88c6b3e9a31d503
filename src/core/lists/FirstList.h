#pragma once
// What the main window shows first: the command-line pictures, the folder
// of a single command-line picture, the start folder, the folder used last,
// or the user's pictures folder.
#include <QString>

namespace vistello {

class PictureList;
class PictureLists;
class SettingsStore;

struct FirstList {
    enum class Source {
        OnePicture,     // the folder of the one picture given, that picture current
        CommandLine,    // several pictures given: the command-line list as collected
        StartFolder,
        LastUsedFolder,
        PicturesFolder,
    };
    Source source = Source::PicturesFolder;
    QString folder;            // the folder the folder tree selects; empty for CommandLine
    bool includeSubfolders = false;
};

// Fills lists (the command-line list always; folderPictures with the folder
// shown) and makes the shown list current. settings may be null: then no
// folder used last is known. picturesFolder: the folder shown when nothing
// else is known (empty: the user's pictures folder).
FirstList chooseFirstList(PictureLists& lists, const PictureList& commandLinePictures, const QString& startFolder,
                          bool includeSubfolders, SettingsStore* settings, const QString& picturesFolder = {});

} // namespace vistello

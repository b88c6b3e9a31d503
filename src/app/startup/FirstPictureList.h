#pragma once
// What the window shows first, as the placeholder window needs it: the
// current list's pictures, its current picture and its caption. The choice
// itself (command-line pictures, the folder of a single picture, the start
// folder, the folder used last) is the picture list model's.
#include "app/startup/StartupOptions.h"

#include <QString>
#include <QStringList>

namespace vistello {

class PictureLists;
class SettingsStore;

struct FirstPictureList {
    enum class Kind { Folder, CommandLine };
    Kind kind = Kind::Folder;
    QString folder;       // Folder: the folder shown, ending in "/"
    QStringList pictures; // in display order
    int current = 0;      // index into pictures (0 when empty)
};

// Chooses the first list among the window's lists. picturesFolder is used
// when no folder was used before (empty: the user's pictures folder).
FirstPictureList chooseFirstPictureList(PictureLists& lists, const StartupOptions& options, SettingsStore& store,
                                        const QString& picturesFolder);

// "N picture(s) in "folder"" or "N picture(s) from command line".
QString listCaption(const FirstPictureList& list);

} // namespace vistello

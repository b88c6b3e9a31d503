#pragma once
// What the command line decided for the main window.
#include <QString>
#include <QStringList>

namespace vistello {

struct StartupOptions {
    bool includeSubfolders = false; // "-i", wherever it stands
    QString startFolder;            // "-p": full path, empty when not given
    QStringList commandLinePictures; // pictures named by path arguments, in the order collected
    bool pathsGiven = false;        // a path argument named an existing file or folder
    bool showFirstRunHints = false; // the first-run dialog was due in this start
};

} // namespace vistello

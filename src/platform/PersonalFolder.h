#pragma once
// The personal folder: where the user's own files of the program live
// (settings file, stored lists, comment list, error list).
#include <QString>

namespace vistello {

// The documents folder, else the home folder; ends in "/"; empty when neither exists.
QString userDocumentsFolder();

// The application data folder, created when missing; ends in "/"; empty when
// it cannot be created.
QString applicationDataFolder();

// On a CD-ROM the program folder; otherwise the documents folder when it is
// writable, else the application data folder.
QString defaultPersonalFolder(const QString& programFolder, bool runsFromCdRom);

} // namespace vistello

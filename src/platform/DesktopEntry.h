#pragma once
// freedesktop.org desktop entries: the launchers that file managers, desktops
// and application menus show for a program.
#include <QByteArray>
#include <QString>

namespace vistello {

struct DesktopEntry {
    QString name;
    QString comment;
    QString executable; // absolute path of the program
};

// The file's text: an application entry that starts executable.
QByteArray desktopEntryText(const DesktopEntry& entry);

// Writes the entry to filePath through a temporary file, so that an existing
// entry is replaced whole or not at all, and makes it executable (desktops
// launch only executable entries from the desktop folder).
[[nodiscard]] bool writeDesktopEntry(const QString& filePath, const DesktopEntry& entry);

} // namespace vistello

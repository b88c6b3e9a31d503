#pragma once
// The launchers offered by the first-run dialog: one on the desktop and one
// in the applications menu.
#include <QString>
#include <QStringList>

namespace vistello {

// "Vistello LE.desktop"
QString shortcutFileName();

// Writes the launcher for executable into each folder. The desktop folder is
// skipped when it does not exist; the applications folder is created when
// missing, as the menu looks nowhere else. Failures are not reported; the
// result lists the files written.
QStringList createStartShortcuts(const QString& executable, const QString& desktopFolder,
                                 const QString& applicationsFolder);

// The same for this user's desktop and applications menu folders.
QStringList createStartShortcuts(const QString& executable);

} // namespace vistello

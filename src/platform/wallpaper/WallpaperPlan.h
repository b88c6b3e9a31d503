#pragma once
// What a desktop is told to set or reset its wallpaper: a list of programs
// with their arguments (never a shell line), worked out without running
// anything, so that a dry run and the tests see exactly what would run.
// Two steps depend on what the desktop reports at run time; they carry the
// query that decides them (see DesktopCommand).
#include "platform/wallpaper/WallpaperDesktop.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vistello {

enum class WallpaperAction { Set, Reset };

struct DesktopCommand {
    QString program;
    QStringList arguments;
    // When not empty: run first (program, then its arguments); the command
    // runs only when this one prints "true" (a key that older desktops lack).
    QStringList onlyIfTrue;
    // When not empty: run first; the command runs once for each line it
    // prints that ends in eachEndingIn, with that line in place of every
    // argument equal to kEachPlaceholder.
    QStringList forEachLineOf;
    QString eachEndingIn;

    static constexpr const char* kEachPlaceholder = "PROPERTY";

    bool operator==(const DesktopCommand&) const = default;
};

// path: the picture file (Set; absolute); empty for Reset. Empty list for an
// unsupported desktop.
QList<DesktopCommand> wallpaperCommands(WallpaperDesktop desktop, WallpaperAction action, const QString& path);

// The desktop's own settings program for its background, most wanted first
// (program, then arguments); the first one installed is started.
QList<QStringList> displaySettingsPrograms(WallpaperDesktop desktop);

// Quoting for the values handed over.
QString gvariantStringLiteral(const QString& text); // GLib's text form of a string
QString jsonStringLiteral(const QString& text);     // JSON, also safe as a JavaScript literal
QString fileUrl(const QString& path);               // "file:///..." with every special byte escaped

// One line for showing a command: each argument quoted for a POSIX shell
// when it needs it (for display only; nothing is ever run by a shell).
QString displayText(const QStringList& programAndArguments);
QString displayText(const DesktopCommand& command);

} // namespace vistello

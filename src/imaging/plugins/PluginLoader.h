#pragma once
// Loads the format plug-ins ("vpl_*.so") once at start-up and registers their
// formats after the built-in ones. A library is judged before it is loaded
// (PluginTrust), its type and version are checked before any of its code
// beyond the five exports runs, and an accepted library stays mapped until
// the process ends: a handler or a loader thread given up at its time-out may
// still be inside its code, so ending the run only removes its formats.
#include <QString>
#include <QStringList>
#include <functional>

namespace vistello {

class PictureFileTypes;
class SettingsStore;

// Told about every plug-in that is refused with a message for the user.
using PluginReport = std::function<void(const QString& message)>;

// The folders plug-ins come from: the installed plug-in folder and the
// program's own folder; none when VISTELLO_NO_PLUGINS=1. Never the current
// folder, the personal folder or the library search path.
QStringList pluginFolders();

// Loads every "vpl_*.so" of the folders (in name order within a folder) and
// registers its formats as external; settings gives each format its saved
// "<formatName>_property" string. Returns the number of libraries accepted.
int loadPlugins(PictureFileTypes& types, const QStringList& folders, SettingsStore* settings,
                const PluginReport& report);

// Stores every plug-in format's settings string under "<formatName>_property"
// and removes the plug-in formats from the table; the libraries stay mapped.
void unloadPlugins(PictureFileTypes& types, SettingsStore* settings);

} // namespace vistello

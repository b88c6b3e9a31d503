#pragma once
// A format's option string ("<formatName>_property"): which formats offer a
// dialog for it, reading it, and storing a new one so that the format's
// next write uses it.
#include <QString>

namespace vistello {

class PictureFileTypes;
class SettingsStore;

// The formats whose options the program can edit in a dialog: JPEG's two qualities.
bool formatHasOptionsDialog(const QString& formatName);
// The format offers settings: the JPEG dialog, or a plug-in format's own.
bool formatHasSettingsDialog(const PictureFileTypes& types, const QString& formatName);
// A plug-in format's dialog, shown by the plug-in with the saved settings
// string; a change is stored and handed to the format. True on a change.
bool editPluginFormatSettings(SettingsStore& store, const PictureFileTypes& types, const QString& formatName);

// A format's option string ("<formatName>_property").
QString formatOptions(SettingsStore& store, const QString& formatName);
// Stores the option string and hands it to the format, so that the next
// picture it writes uses it.
void storeFormatOptions(SettingsStore& store, const PictureFileTypes& types, const QString& formatName,
                        const QString& options);

} // namespace vistello

#pragma once
// The drop-down of "Convert picture format": every format that can write,
// by its first extension and description, and which entry starts chosen.
#include <QString>
#include <vector>

namespace vistello {

class PictureFileTypes;
class SettingsStore;

struct ConvertTarget {
    QString extension;   // with the dot
    QString description;
    QString formatName;

    // As the drop-down shows it.
    QString text() const;
};

std::vector<ConvertTarget> convertTargets(const PictureFileTypes& types);

// The entry of the stored extension (compared without case); the first
// entry when none has it; -1 for an empty list.
int chosenTarget(const std::vector<ConvertTarget>& targets, const QString& stored);

// The formats whose options the program can edit in a dialog: JPEG's two qualities.
bool formatHasOptionsDialog(const QString& formatName);

// A format's option string ("<formatName>_property").
QString formatOptions(SettingsStore& store, const QString& formatName);
// Stores the option string and hands it to the format, so that the next
// picture it writes uses it.
void storeFormatOptions(SettingsStore& store, const PictureFileTypes& types, const QString& formatName,
                        const QString& options);

} // namespace vistello

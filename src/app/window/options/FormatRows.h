#pragma once
// The "Picture formats" page: one row per registered extension, built-in
// formats first, and what "Format settings..." does for a row.
#include <QString>
#include <vector>

namespace vistello {

class PictureFileTypes;

struct FormatRow {
    QString extension;
    QString registration; // "intern" or "extern"
    QString readWrite;    // empty when the format can do neither
    QString description;
    QString formatName;
    bool external = false; // a plug-in's format: its own settings dialog
};

std::vector<FormatRow> formatRows(const PictureFileTypes& types);

// "Format settings..." of a row: the format's own dialog, or a message
// (its text number), or nothing.
struct FormatSettingsAction {
    bool dialog = false;
    int message = 0;
};
FormatSettingsAction formatSettingsAction(const FormatRow& row);

} // namespace vistello

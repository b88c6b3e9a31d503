#pragma once
// The work of one index job, runnable on any thread: every picture of the
// set that decodes becomes a thumbnail in the next cell; full sheets are
// written as target folder + the pattern formatted with the sheet number
// (from 0). The grid's size and every sheet name are checked before the
// first picture is decoded: a sheet too large, a name outside the target or
// a sheet name that is a picture of the set is refused (earlier sheets,
// named like the pattern, are left out of the set and may be replaced).
// Thumbnails are decoded on two threads.
#include "publish/indexsheet/SheetLayout.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <vector>

namespace vistello {

class PictureFileTypes;
class SettingsStore;

struct IndexSheetSettings {
    QString targetFolder; // ends in "/"
    QString pattern = QStringLiteral("index%d.jpg");
    SheetGrid grid;
    bool autoRotate = true;
    // "<format>_property" of each writable format: a sheet is written with
    // its format's own quality settings.
    QHash<QString, QString> formatOptions;
};

IndexSheetSettings indexSheetSettingsFrom(SettingsStore& settings, const PictureFileTypes& types);

struct IndexSheetHooks {
    const std::atomic<bool>* stop = nullptr;
    std::function<void(int steps)> started;
    std::function<void(const QString& picture)> step;
};

struct WrittenSheet {
    QString path;
    int width = 0;
    int height = 0;
    int cells = 0; // thumbnails on the sheet
};

struct IndexSheetOutcome {
    std::vector<WrittenSheet> written; // only sheets that are on disk
    QString message;                   // a refusal, or the sheets that could not be written
};

// The pattern as used: ".jpg" appended unless the name ends in the extension
// of a picture type that can be written.
QString sheetPattern(const PictureFileTypes& types, const QString& pattern);

IndexSheetOutcome createIndexSheets(const PictureFileTypes& types, const QStringList& pictures,
                                    const IndexSheetSettings& settings, const IndexSheetHooks& hooks);

} // namespace vistello

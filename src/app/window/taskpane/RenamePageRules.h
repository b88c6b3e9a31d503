#pragma once
// The "Rename" page without its widgets: what the name field shows, when
// the date box may be ticked, and the request and settings a click on
// "Rename" makes of the page.
#include "organize/rename/RenameRequest.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace vistello {

class SettingsStore;

struct RenamePageInputs {
    int selected = 0;       // pictures of the working set
    bool renameAll = false; // RenameAll
    bool useDate = false;   // RenameUseExifDateTime
    QString pattern;        // RenameNewPictureName
    QString singleName;     // one picture: its file name without extension
    std::optional<QString> singleDateName; // one picture: its name after the date of taking
};

struct RenamePageFill {
    QString name;
    bool nameReadOnly = false; // the date name of one picture
    bool dateEnabled = false;
};

RenamePageFill renamePageFill(const RenamePageInputs& in);

// What the page holds when "Rename" is clicked.
struct RenamePageValues {
    QString name;
    qint64 firstIndex = 0;
    bool useDate = false;
    bool renameAll = false;
};

// The pattern the page offers: the stored one, the default when none is stored.
QString storedRenamePattern(const QString& stored);

// The request for these pictures (the whole list with renameAll, else the
// working set); nothing when there are none.
std::optional<RenameRequest> renameRequestFrom(const RenamePageValues& values, const QStringList& pictures,
                                               const QString& storedPattern);

// The page's four settings; the pattern only when it numbered several pictures.
void storeRenameSettings(SettingsStore& store, const RenamePageValues& values, const RenameRequest& request);

} // namespace vistello

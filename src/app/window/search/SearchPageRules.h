#pragma once
// What the search page decides without widgets: which field stops a start
// and why, the days its calendars show, and what the user is told and
// offered when a search has ended.
#include "organize/search/SearchSettings.h"

#include <QDate>
#include <QString>
#include <optional>

namespace vistello {

enum class SearchField { Name, FileComment, ListComment };

// The balloon of a field that stops the start, with the field it points at.
struct SearchFieldProblem {
    SearchField field;
    QString title;
    QString text;
    QString dialectMessage; // why the expression does not compile (empty for an empty field)
};

// The ticked text criteria are checked in the page's order; the first
// unusable one stops the start.
std::optional<SearchFieldProblem> checkSearchFields(const SearchSettings& settings);

// A stored day for its calendar: a day never chosen (0), or one past the
// calendar's last, shows today.
QDate calendarDay(uint64_t fileTime, QDate today);

// The folder field's label, with an example of two folders.
QString searchFoldersLabel(const QString& picturesFolder);

// Completion in the ";"-separated folder list works on the folder being
// typed (after the last ";"); the completed folder replaces just that piece.
QString folderBeingTyped(const QString& list);
QString withFolderCompleted(const QString& list, const QString& folder);

// After a finished search: a question (yes shows the results) or a message.
struct SearchEnd {
    QString text;
    bool ask = false;
};
SearchEnd searchEnd(const SearchSettings& settings, int resultCount);

} // namespace vistello

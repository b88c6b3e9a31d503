#pragma once
// The picture search as a pure function over its settings: scans folders
// (or re-tests the current results), tests each picture by name, in-file
// comment and date of taking (joined by "or"), adds the pictures whose list
// comment matches, and sorts the results. Runs on a worker thread; the
// comment store is the only shared thing it reads (under its lock).
#include "organize/search/SearchSettings.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <optional>

namespace vistello {

class CommentStore;

struct SearchOutcome {
    QStringList results; // sorted
    int tested = 0;      // pictures tested
    bool finished = false; // false when stopped
};

// Called with the progress text (at the first folder, then every fifth).
using SearchProgress = std::function<void(const QString& text)>;

// settings.lastDay is the last day itself: the run adds one day so that the
// whole of it counts. currentResults: the results so far (modes 2 and 3).
SearchOutcome runPictureSearch(const SearchSettings& settings, const QStringList& currentResults,
                               const CommentStore* comments, const std::atomic<bool>& stop,
                               const SearchProgress& progress = {});

// A search field's text: nothing when usable, else the balloon's title and text.
struct SearchTextProblem {
    QString title;
    QString text;
};
std::optional<SearchTextProblem> checkSearchText(const QString& text);

// What the user is told after a finished search: the question whether to
// show the results, or that nothing was found.
QString searchCompletionText(const SearchSettings& settings, int resultCount);

} // namespace vistello

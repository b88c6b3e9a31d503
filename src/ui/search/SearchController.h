#pragma once
// Runs the search page: checks its fields, stores its settings, starts the
// search job and, when the search has finished, puts the results into the
// search-result list and offers to show them.
#include "organize/search/SearchSettings.h"

#include <QObject>
#include <functional>
#include <memory>

namespace vistello {

class BackgroundJob;
class PictureLists;
class Prompts;
class SearchPage;
class SettingsStore;

struct SearchHooks {
    std::function<void(std::unique_ptr<BackgroundJob>)> startJob;
    std::function<void()> closePage;
    // The search-result list changed (the views and the tree's count follow).
    std::function<void()> resultsChanged;
    // Yes to "see these pictures": the tree's "Search results" item is chosen.
    std::function<void()> showResults;
};

class SearchController : public QObject {
    Q_OBJECT
public:
    SearchController(SearchPage& page, SettingsStore& store, PictureLists& lists, Prompts& prompts,
                     const QString& picturesFolder, SearchHooks hooks);

private:
    void search();
    void apply();
    void finished(const SearchSettings& settings, const QStringList& results);

    SearchPage& page_;
    SettingsStore& store_;
    PictureLists& lists_;
    Prompts& prompts_;
    SearchHooks hooks_;
};

} // namespace vistello

#include "ui/search/SearchController.h"

#include "app/window/search/SearchPageRules.h"
#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "organize/comments/CommentStore.h"
#include "organize/search/SearchJob.h"
#include "ui/search/SearchPage.h"

namespace vistello {

SearchController::SearchController(SearchPage& page, SettingsStore& store, PictureLists& lists, Prompts& prompts,
                                   const QString& picturesFolder, SearchHooks hooks)
    : QObject(&page), page_(page), store_(store), lists_(lists), prompts_(prompts), hooks_(std::move(hooks))
{
    page_.setSettings(readSearchSettings(store_, picturesFolder));
    connect(&page_, &SearchPage::searchRequested, this, &SearchController::search);
    connect(&page_, &SearchPage::applyRequested, this, &SearchController::apply);
    connect(&page_, &SearchPage::cancelRequested, this, [this] { hooks_.closePage(); });
}

void SearchController::apply()
{
    storeSearchSettings(store_, page_.settings());
}

void SearchController::search()
{
    const SearchSettings settings = page_.settings();
    if (const std::optional<SearchFieldProblem> problem = checkSearchFields(settings)) {
        // Told through the prompts so that scripted runs see it too.
        prompts_.inform(problem->title, problem->text);
        page_.pointAt(problem->field, problem->title, problem->text);
        return;
    }
    storeSearchSettings(store_, settings);
    auto job = std::make_unique<SearchJob>(settings, lists_.searchResults().entries().toStringList(),
                                           &CommentStore::instance());
    // The page outlives the job: its results come back here, on this thread.
    connect(job.get(), &SearchJob::searchFinished, this,
            [this, settings](const QStringList& results, int) { finished(settings, results); }, Qt::QueuedConnection);
    hooks_.closePage();
    hooks_.startJob(std::move(job));
}

void SearchController::finished(const SearchSettings& settings, const QStringList& results)
{
    PictureList& list = lists_.searchResults();
    list.selection().clear(false);
    list.entries().clear(false);
    for (const QString& path : results)
        list.entries().append(path);
    list.entries().setCurrentIndex(0);
    hooks_.resultsChanged();

    const QString title = QString::fromLatin1(SettingsStore::kProductName);
    const SearchEnd end = searchEnd(settings, int(results.size()));
    if (!end.ask) {
        prompts_.inform(title, end.text);
        return;
    }
    if (prompts_.confirm(title, end.text))
        hooks_.showResults();
}

} // namespace vistello

#include "organize/search/SearchJob.h"

#include "organize/search/PictureSearch.h"

namespace vistello {

SearchJob::SearchJob(const SearchSettings& settings, const QStringList& currentResults, const CommentStore* comments)
    : BackgroundJob(JobKind::Search), settings_(settings), currentResults_(currentResults), comments_(comments)
{
}

SearchJob::~SearchJob()
{
    stop(-1);
}

void SearchJob::run()
{
    reportStarted(0);
    const SearchOutcome outcome = runPictureSearch(settings_, currentResults_, comments_, stopFlag(),
                                                   [this](const QString& text) { reportStep(text); });
    if (outcome.finished && !stopRequested())
        Q_EMIT searchFinished(outcome.results, outcome.tested);
}

} // namespace vistello

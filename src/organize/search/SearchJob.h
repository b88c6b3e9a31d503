#pragma once
// The picture search as a background job (kind Search: a line of text
// instead of a bar). The job works on copies of the settings and of the
// current results taken when it is made; when the run finishes it sends
// the new results as values (searchFinished), which the window puts into
// its search-result list. A stopped search sends nothing, so the old
// results stay.
#include "core/jobs/BackgroundJob.h"
#include "organize/search/SearchSettings.h"

#include <QStringList>

namespace vistello {

class CommentStore;

class SearchJob : public BackgroundJob {
    Q_OBJECT
public:
    SearchJob(const SearchSettings& settings, const QStringList& currentResults, const CommentStore* comments);
    ~SearchJob() override;

Q_SIGNALS:
    void searchFinished(const QStringList& results, int picturesTested);

protected:
    void run() override;

private:
    const SearchSettings settings_;
    const QStringList currentResults_;
    const CommentStore* comments_;
};

} // namespace vistello

#pragma once
// The background job behind "Create a HTML page": one step per JPEG
// picture, cancellable. After a failed write it asks whether to cancel
// through the JobQuestion handed in (without one it cancels; once a stop is
// requested the answer is "cancel" without asking). Why the job ended early
// goes out as jobFailed, every written file as fileWritten.
#include "core/jobs/BackgroundJob.h"
#include "core/jobs/JobQuestion.h"
#include "publish/gallery/GalleryRun.h"

#include <QStringList>
#include <memory>

namespace vistello {

class GalleryJob : public BackgroundJob {
    Q_OBJECT
public:
    GalleryJob(const PictureFileTypes& types, const QStringList& pictures, const GallerySettings& settings,
               JobQuestion* question);
    ~GalleryJob() override;

    // The window's way: the job owns its question, and once it finished it
    // asks whether to view the start page (Yes: startPageChosen).
    void offerStartPage(std::unique_ptr<JobQuestion> question);

    QString targetFolder() const { return settings_.targetFolder; }
    // Read after the job ended.
    const GalleryOutcome& outcome() const { return outcome_; }

Q_SIGNALS:
    // The user wants to see the start page (a path); emitted on the job's thread.
    void startPageChosen(const QString& path);

protected:
    void run() override;

private:
    const PictureFileTypes& types_;
    QStringList pictures_;
    GallerySettings settings_;
    JobQuestion* question_;
    std::unique_ptr<JobQuestion> ownedQuestion_;
    bool offerStartPage_ = false;
    GalleryOutcome outcome_;
};

} // namespace vistello

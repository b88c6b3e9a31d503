#pragma once
// The background job behind "Create a HTML page": one step per JPEG
// picture, cancellable. Questions go through the function handed in (the
// window answers on its own thread, the command line from its options);
// once a stop is requested the answer is "cancel" without asking. Why the
// job ended early goes out as jobFailed, every written file as fileWritten.
#include "core/jobs/BackgroundJob.h"
#include "publish/gallery/GalleryRun.h"

#include <QStringList>
#include <functional>

namespace vistello {

class GalleryJob : public BackgroundJob {
    Q_OBJECT
public:
    using CancelQuestion = std::function<bool(const QString& path)>;

    GalleryJob(const PictureFileTypes& types, const QStringList& pictures, const GallerySettings& settings,
               CancelQuestion cancelAfterFailure);
    ~GalleryJob() override;

    // The target text the task pane compares before starting another job.
    QString targetFolder() const { return settings_.targetFolder; }
    // Read after the job ended.
    const GalleryOutcome& outcome() const { return outcome_; }

protected:
    void run() override;

private:
    const PictureFileTypes& types_;
    QStringList pictures_;
    GallerySettings settings_;
    CancelQuestion cancelAfterFailure_;
    GalleryOutcome outcome_;
};

} // namespace vistello

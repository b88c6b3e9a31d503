#pragma once
// The batch behind "Resize picture(s)": the pictures of the working set,
// one after another, with the options taken when the job started. When a
// file cannot be written the job asks whether to cancel (JobQuestion;
// without one it cancels). Written files are reported (fileWritten) at the
// end.
#include "core/jobs/BackgroundJob.h"
#include "core/jobs/JobQuestion.h"
#include "jpegedit/resize/ResizePicture.h"

#include <QStringList>
#include <utility>
#include <vector>

namespace vistello {

class ResizeJob : public BackgroundJob {
    Q_OBJECT
public:
    ResizeJob(const PictureFileTypes& types, const QStringList& pictures, const ResizeOptions& options,
              JobQuestion* question);
    ~ResizeJob() override;

    // Read after the job finished: every picture's outcome, in order (the
    // pictures not reached after a cancel are missing).
    const std::vector<std::pair<QString, ResizeResult>>& results() const { return results_; }

protected:
    void run() override;

private:
    const PictureFileTypes& types_;
    QStringList pictures_;
    ResizeOptions options_;
    JobQuestion* question_;
    std::vector<std::pair<QString, ResizeResult>> results_;
};

} // namespace vistello

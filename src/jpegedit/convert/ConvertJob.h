#pragma once
// The batch behind "Convert picture format": every selected picture into
// the target format, as a background job over copies of the paths taken at
// the start. When a target cannot be written the job asks whether to cancel
// (JobQuestion; without one it cancels). Written targets are reported
// (fileWritten) at the end.
#include "core/jobs/BackgroundJob.h"
#include "core/jobs/JobQuestion.h"
#include "jpegedit/convert/ConvertPicture.h"

#include <QStringList>
#include <utility>
#include <vector>

namespace vistello {

class ConvertJob : public BackgroundJob {
    Q_OBJECT
public:
    ConvertJob(const PictureFileTypes& types, const QStringList& pictures, const ConvertOptions& options,
               JobQuestion* question);
    ~ConvertJob() override;

    // Read after the job finished: every picture's outcome, in order (the
    // pictures not reached after a cancel are missing).
    const std::vector<std::pair<QString, ConvertResult>>& results() const { return results_; }

protected:
    void run() override;

private:
    const PictureFileTypes& types_;
    QStringList pictures_;
    ConvertOptions options_;
    JobQuestion* question_;
    std::vector<std::pair<QString, ConvertResult>> results_;
};

} // namespace vistello

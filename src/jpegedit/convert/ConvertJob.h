#pragma once
// The batch behind "Convert picture format": every selected picture into
// the target format, as a background job over copies of the paths taken at
// the start. When a target cannot be written the job asks whether to cancel
// through a question handed in (the UI answers it on its own thread, the
// command line from its --on-error option); once a stop is requested the
// answer is "cancel" without asking. Written targets are reported
// (fileWritten) at the end.
#include "core/jobs/BackgroundJob.h"
#include "jpegedit/convert/ConvertPicture.h"

#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

namespace vistello {

// Answers "The file could not be created. Do you want to cancel?" for target.
using CancelQuestion = std::function<bool(const QString& target)>;

class ConvertJob : public BackgroundJob {
    Q_OBJECT
public:
    ConvertJob(const PictureFileTypes& types, const QStringList& pictures, const ConvertOptions& options,
               CancelQuestion cancelAfterFailure);
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
    CancelQuestion cancelAfterFailure_;
    std::vector<std::pair<QString, ConvertResult>> results_;
};

} // namespace vistello

#pragma once
// The background job behind "Create index": one step per picture,
// cancellable. Each written sheet goes out as fileWritten (the window adds
// it to the picture list); a refusal or the sheets that could not be
// written go out once as jobFailed.
#include "core/jobs/BackgroundJob.h"
#include "publish/indexsheet/IndexSheetRun.h"

namespace vistello {

class IndexSheetJob : public BackgroundJob {
    Q_OBJECT
public:
    IndexSheetJob(const PictureFileTypes& types, const QStringList& pictures, const IndexSheetSettings& settings);
    ~IndexSheetJob() override;

    const IndexSheetOutcome& outcome() const { return outcome_; }

protected:
    void run() override;

private:
    const PictureFileTypes& types_;
    QStringList pictures_;
    IndexSheetSettings settings_;
    IndexSheetOutcome outcome_;
};

} // namespace vistello

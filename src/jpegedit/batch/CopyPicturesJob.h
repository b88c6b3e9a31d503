#pragma once
// The batch behind "Copy pictures": every picture of a working set copied
// beside itself under its "Copy of" name, with its sound memo. Pictures
// whose copy fails are reported (fileFailed) and the job goes on; each new
// copy is reported (fileWritten) when the job ends. A stop takes effect
// between pictures, so no copy is left half-made.
#include "core/jobs/BackgroundJob.h"
#include "jpegedit/originals/FileSteps.h"

#include <QStringList>

namespace vistello {

class CopyPicturesJob : public BackgroundJob {
    Q_OBJECT
public:
    explicit CopyPicturesJob(const QStringList& pictures, const FileSteps& steps = realFileSteps());
    ~CopyPicturesJob() override;

    // Read after the job finished.
    QStringList copies() const { return copies_; }
    QStringList failedPictures() const { return failed_; }

protected:
    void run() override;

private:
    QStringList pictures_;
    FileSteps steps_;
    QStringList copies_;
    QStringList failed_;
};

} // namespace vistello

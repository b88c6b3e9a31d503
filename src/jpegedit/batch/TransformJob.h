#pragma once
// The batch behind "Rotate right", "Rotate left", "Auto rotate", "Mirror
// vertical" and "Greyscale": one background job over a working set. It
// works on copies of the paths and settings taken at the start, changes
// only files, and reports each changed path (fileWritten) and each picture
// it could not change (fileFailed) when it ends.
#include "core/jobs/BackgroundJob.h"
#include "jpegedit/batch/PictureTransform.h"

#include <QStringList>

class QObject;

namespace vistello {

class TransformJob : public BackgroundJob {
    Q_OBJECT
public:
    TransformJob(const QStringList& pictures, const PictureTransformOptions& options,
                 const FileSteps& steps = realFileSteps());
    ~TransformJob() override;

    // Paths changed so far (read after the job finished).
    QStringList changedPaths() const { return changed_; }

protected:
    void run() override;

private:
    QStringList pictures_;
    PictureTransformOptions options_;
    FileSteps steps_;
    QStringList changed_;
    QStringList failed_; // not changed although the format offers the operation
};

// Drops every cached bitmap of each path the job reports, on the thread of
// uiContext (the user-interface thread), so views decode the new file.
void dropCachesOnFileWritten(BackgroundJob& job, QObject* uiContext);

} // namespace vistello

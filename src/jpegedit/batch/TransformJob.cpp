#include "jpegedit/batch/TransformJob.h"

#include "imaging/decode/DecodedPicture.h"

namespace vistello {

TransformJob::TransformJob(const QStringList& pictures, const PictureTransformOptions& options, const FileSteps& steps)
    : BackgroundJob(JobKind::LosslessTransform), pictures_(pictures), options_(options), steps_(steps)
{
    // Makes copies (not the originals' backups) when asked; a batch keeps a
    // copy whose change failed.
    options_.removeFailedCopy = false;
}

TransformJob::~TransformJob()
{
    // The thread uses the members: it must end before they go.
    stop(-1);
}

void TransformJob::run()
{
    reportStarted(int(pictures_.size()));
    for (const QString& picture : pictures_) {
        if (stopRequested())
            break;
        const PictureTransformResult result = transformPicture(picture, options_, steps_);
        if (result.ok())
            changed_ << result.writtenPath;
        else if (!result.unsupported)
            failed_ << picture;
        reportStep(picture);
    }
    for (const QString& path : changed_)
        Q_EMIT fileWritten(path);
    for (const QString& path : failed_)
        Q_EMIT fileFailed(path);
}

void dropCachesOnFileWritten(BackgroundJob& job, QObject* uiContext)
{
    QObject::connect(&job, &BackgroundJob::fileWritten, uiContext, [](const QString& path) { dropPathEverywhere(path); });
}

} // namespace vistello

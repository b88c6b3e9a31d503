#include "jpegedit/batch/CopyPicturesJob.h"

#include "jpegedit/originals/PictureCopy.h"

namespace vistello {

CopyPicturesJob::CopyPicturesJob(const QStringList& pictures, const FileSteps& steps)
    : BackgroundJob(JobKind::CopyPictures), pictures_(pictures), steps_(steps)
{
}

CopyPicturesJob::~CopyPicturesJob()
{
    // The thread uses the members: it must end before they go.
    stop(-1);
}

void CopyPicturesJob::run()
{
    reportStarted(int(pictures_.size()));
    for (const QString& picture : pictures_) {
        if (stopRequested())
            break;
        const QString copy = copyPictureWithSound(picture, steps_);
        if (copy.isEmpty())
            failed_ << picture;
        else
            copies_ << copy;
        reportStep(picture);
    }
    for (const QString& path : copies_)
        Q_EMIT fileWritten(path);
    for (const QString& path : failed_)
        Q_EMIT fileFailed(path);
}

} // namespace vistello

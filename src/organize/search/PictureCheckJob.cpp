#include "organize/search/PictureCheckJob.h"

#include "organize/search/PictureCheck.h"

namespace vistello {

PictureCheckJob::PictureCheckJob(const QStringList& pictures, const QString& errorListPath)
    : BackgroundJob(JobKind::PictureCheck), pictures_(pictures), errorListPath_(errorListPath)
{
}

PictureCheckJob::~PictureCheckJob()
{
    stop(-1);
}

void PictureCheckJob::run()
{
    reportStarted(int(pictures_.size()));
    QString lines;
    int broken = 0;
    for (const QString& path : pictures_) {
        if (stopRequested())
            break;
        reportStep();
        if (const std::optional<QString> message = checkPicture(path, &stopFlag())) {
            if (stopRequested())
                break; // cut short by the stop, not broken
            ++broken;
            lines += errorListLine(path, *message);
        }
    }
    const bool written = broken > 0 && writeErrorList(errorListPath_, lines);
    Q_EMIT checkFinished(broken, written ? errorListPath_ : QString());
}

} // namespace vistello

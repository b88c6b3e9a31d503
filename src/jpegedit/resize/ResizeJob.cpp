#include "jpegedit/resize/ResizeJob.h"

namespace vistello {

ResizeJob::ResizeJob(const PictureFileTypes& types, const QStringList& pictures, const ResizeOptions& options,
                     JobQuestion* question)
    : BackgroundJob(JobKind::Resize), types_(types), pictures_(pictures), options_(options), question_(question)
{
    options_.stopFlag = &stopFlag();
}

ResizeJob::~ResizeJob()
{
    // The thread uses the members: it must end before they go.
    stop(-1);
}

void ResizeJob::run()
{
    reportStarted(int(pictures_.size()));
    for (const QString& picture : pictures_) {
        if (stopRequested())
            break;
        ResizeResult result = resizePicture(types_, picture, options_);
        const bool writeFailed = result.status == ResizeStatus::WriteFailed;
        const QString target = result.targetPath;
        results_.emplace_back(picture, std::move(result));
        reportStep(picture);
        if (writeFailed && cancelAfterFailedWrite(question_, target, stopFlag()))
            break;
    }
    for (const auto& [picture, result] : results_)
        if (result.written())
            Q_EMIT fileWritten(result.targetPath);
    // A type no format writes is skipped, not failed.
    for (const auto& [picture, result] : results_)
        if (!result.written() && result.status != ResizeStatus::NotWritable)
            Q_EMIT fileFailed(picture);
}

} // namespace vistello

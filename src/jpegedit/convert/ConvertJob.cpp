#include "jpegedit/convert/ConvertJob.h"

namespace vistello {

ConvertJob::ConvertJob(const PictureFileTypes& types, const QStringList& pictures, const ConvertOptions& options,
                       JobQuestion* question)
    : BackgroundJob(JobKind::Conversion), types_(types), pictures_(pictures), options_(options), question_(question)
{
}

ConvertJob::~ConvertJob()
{
    // The thread uses the members: it must end before they go.
    stop(-1);
}

void ConvertJob::run()
{
    reportStarted(int(pictures_.size()));
    for (const QString& picture : pictures_) {
        if (stopRequested())
            break;
        const ConvertResult result = convertPicture(types_, picture, options_);
        results_.emplace_back(picture, result);
        reportStep(picture);
        if (result.status == ConvertStatus::WriteFailed && cancelAfterFailedWrite(question_, result.targetPath, stopFlag()))
            break;
    }
    for (const auto& [picture, result] : results_)
        if (result.status == ConvertStatus::Written)
            Q_EMIT fileWritten(result.targetPath);
    // Skips (same format, a target already there) are not failures.
    for (const auto& [picture, result] : results_)
        if (result.status == ConvertStatus::DecodeFailed || result.status == ConvertStatus::WriteFailed)
            Q_EMIT fileFailed(picture);
}

} // namespace vistello

#include "publish/indexsheet/IndexSheetJob.h"

#include "resources/PublishStrings.h"

namespace vistello {

IndexSheetJob::IndexSheetJob(const PictureFileTypes& types, const QStringList& pictures,
                             const IndexSheetSettings& settings)
    : BackgroundJob(JobKind::IndexSheets), types_(types), pictures_(pictures), settings_(settings)
{
    setTitle(strings::text(strings::kIndexHeading) + QLatin1Char('\n') + settings_.targetFolder);
    setTargetText(settings_.targetFolder);
}

IndexSheetJob::~IndexSheetJob()
{
    // The thread uses the members: it must end before they go.
    stop(-1);
}

void IndexSheetJob::run()
{
    IndexSheetHooks hooks;
    hooks.stop = &stopFlag();
    hooks.started = [this](int steps) { reportStarted(steps); };
    hooks.step = [this](const QString& picture) { reportStep(picture); };
    outcome_ = createIndexSheets(types_, pictures_, settings_, hooks);
    for (const WrittenSheet& sheet : outcome_.written)
        Q_EMIT fileWritten(sheet.path);
    if (!outcome_.message.isEmpty())
        Q_EMIT jobFailed(jobNumber(), outcome_.message);
}

} // namespace vistello

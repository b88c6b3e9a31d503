#include "app/window/taskpane/PageJobs.h"

#include "resources/EditPageStrings.h"

namespace vistello {

QString sizeLimitMessage(const std::vector<std::pair<QString, ResizeResult>>& results, int limitKB)
{
    QStringList missed;
    for (const auto& [picture, result] : results)
        if (result.status == ResizeStatus::LimitNotMet)
            missed.append(result.targetPath);
    if (missed.isEmpty())
        return {};
    return strings::formatInserts(strings::text(strings::kSizeLimitNotMet),
                                  {QString::number(limitKB), missed.join(QLatin1Char('\n'))});
}

// The question's context is the job itself: it lives on the window's thread
// and outlasts every question its own thread asks.
ResizePageJob::ResizePageJob(const PictureFileTypes& types, const QStringList& pictures, const ResizeOptions& options,
                             Prompts& prompts)
    : ResizeJob(types, pictures, options, &question_)
    , question_(*this, prompts)
    , limitKB_(options.request.fileSizeKB)
{
    setTitle(strings::text(strings::kResizeHeading));
}

ResizePageJob::~ResizePageJob()
{
    // The thread may still ask: it ends before the question goes.
    stop(-1);
}

void ResizePageJob::run()
{
    ResizeJob::run();
    const QString message = sizeLimitMessage(results(), limitKB_);
    if (message.isEmpty() || stopRequested())
        return;
    PromptQuestion told;
    told.title = strings::text(strings::kResizeHeading);
    told.text = message;
    told.buttons = PromptButtons::Ok;
    told.defaultAnswer = PromptAnswer::Ok;
    question_.ask(told, stopFlag());
}

ConvertPageJob::ConvertPageJob(const PictureFileTypes& types, const QStringList& pictures,
                               const ConvertOptions& options, Prompts& prompts)
    : ConvertJob(types, pictures, options, &question_), question_(*this, prompts)
{
    setTitle(strings::text(strings::kConvertHeading));
}

ConvertPageJob::~ConvertPageJob()
{
    stop(-1);
}

} // namespace vistello

#include "publish/gallery/GalleryJob.h"

#include "resources/PublishStrings.h"

namespace vistello {

GalleryJob::GalleryJob(const PictureFileTypes& types, const QStringList& pictures, const GallerySettings& settings,
                       JobQuestion* question)
    : BackgroundJob(JobKind::Gallery), types_(types), pictures_(pictures), settings_(settings), question_(question)
{
    setTitle(strings::text(strings::kGalleryHeading) + QLatin1Char('\n') + settings_.targetFolder);
    setTargetText(settings_.targetFolder);
}

GalleryJob::~GalleryJob()
{
    // The thread uses the members: it must end before they go.
    stop(-1);
}

void GalleryJob::offerStartPage(std::unique_ptr<JobQuestion> question)
{
    ownedQuestion_ = std::move(question);
    question_ = ownedQuestion_.get();
    offerStartPage_ = true;
}

void GalleryJob::run()
{
    GalleryHooks hooks;
    hooks.stop = &stopFlag();
    hooks.started = [this](int steps) { reportStarted(steps); };
    hooks.step = [this](const QString& picture) { reportStep(picture); };
    hooks.question = question_;
    outcome_ = createGallery(types_, pictures_, settings_, hooks);
    for (const QString& name : outcome_.written)
        Q_EMIT fileWritten(settings_.targetFolder + name);
    if (!outcome_.message.isEmpty())
        Q_EMIT jobFailed(jobNumber(), outcome_.message);
    if (offerStartPage_ && outcome_.finished && question_) {
        PromptQuestion offer;
        offer.text = strings::formatInserts(strings::text(strings::kGalleryCreated), {outcome_.startPagePath});
        offer.buttons = PromptButtons::YesNo;
        offer.defaultAnswer = PromptAnswer::No;
        if (question_->ask(offer, stopFlag()) == PromptAnswer::Yes)
            Q_EMIT startPageChosen(outcome_.startPagePath);
    }
}

} // namespace vistello

#include "ui/taskpane/PictureCheckPage.h"

#include "app/window/taskpane/PictureCheckRules.h"
#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "organize/search/PictureCheck.h"
#include "organize/search/PictureCheckJob.h"
#include "resources/SearchPageStrings.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace vistello {

namespace {

// What the job list names as the check's target: the list's description.
QString targetOf(const PictureLists& lists)
{
    const PictureList& list = lists.current();
    const QString folder = list.count() > 0 ? QFileInfo(list.currentPath()).path() + QLatin1Char('/') : QString();
    return lists.currentCaption(folder);
}

void tellOutcome(Prompts& prompts, int broken, const QString& errorList)
{
    const QString title = QString::fromLatin1(SettingsStore::kProductName);
    const PictureCheckEnd end = pictureCheckEnd(broken, errorList);
    if (!end.ask) {
        prompts.inform(title, end.text);
        return;
    }
    if (prompts.confirm(title, end.text) && end.canOpen)
        QDesktopServices::openUrl(QUrl::fromLocalFile(errorList));
}

} // namespace

PictureCheckPage::PictureCheckPage(int mode, const TaskPageContext& context, QWidget* parent)
    : CommandPage(mode, strings::text(strings::kCheckPageTitle), parent)
    , context_(context)
    , check_(new QPushButton(strings::text(strings::kCheckButton), this))
{
    // One label per paragraph: a wrapped label's height is estimated per label.
    for (const QString& paragraph : pictureCheckPageText().split(QLatin1Char('\n')))
        addText(paragraph);
    auto* buttons = new QHBoxLayout;
    auto* cancel = new QPushButton(strings::text(strings::kCheckCancel), this);
    buttons->addWidget(check_);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    body()->addLayout(buttons);
    connect(check_, &QPushButton::clicked, this, &PictureCheckPage::check);
    connect(cancel, &QPushButton::clicked, this, [this] { context_.close(); });
}

void PictureCheckPage::selectionChanged(int)
{
    // Without a selection the whole list is checked.
    check_->setEnabled(context_.lists.current().count() > 0);
}

void PictureCheckPage::check()
{
    const QStringList pictures = picturesToCheck(context_.lists.current());
    auto job = std::make_unique<PictureCheckJob>(pictures, errorListPath(context_.store.personalFolder()));
    job->setTitle(targetOf(context_.lists));
    // The page is gone when the check ends: the outcome is told from the job.
    Prompts& prompts = context_.prompts;
    QObject::connect(job.get(), &PictureCheckJob::checkFinished, QCoreApplication::instance(),
                     [&prompts](int broken, const QString& errorList) { tellOutcome(prompts, broken, errorList); },
                     Qt::QueuedConnection);
    const TaskPageContext context = context_; // the page is gone after close()
    context.close();
    context.startJob(std::move(job));
}

} // namespace vistello

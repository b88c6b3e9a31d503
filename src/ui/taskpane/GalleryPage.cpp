#include "ui/taskpane/GalleryPage.h"

#include "app/window/taskpane/PublishPageRules.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/jobs/JobQuestion.h"
#include "core/jobs/JobRegistry.h"
#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "publish/gallery/GalleryJob.h"
#include "resources/PublishPageStrings.h"
#include "resources/OrganizePageStrings.h"
#include "ui/taskpane/GalleryPictureTab.h"
#include "ui/taskpane/GalleryTemplateTab.h"
#include "ui/taskpane/PageFields.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace vistello {

namespace {

QString text(int id)
{
    return strings::text(id);
}

} // namespace

GalleryPage::GalleryPage(int mode, const TaskPageContext& context, QWidget* parent)
    : CommandPage(mode, text(strings::kGalleryPageHeading), parent), context_(context)
{
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("galleryTabs"));
    tabs->setUsesScrollButtons(true);
    const auto close = [this] { context_.close(); };
    tabs->addTab(makeMainTab(), text(strings::kGalleryTabPage));
    tabs->addTab(new GalleryPictureTab(context_.store, close, tabs), text(strings::kGalleryTabPictures));
    tabs->addTab(new GalleryTemplateTab(context_.store, context_.prompts, close, tabs), text(strings::kGalleryTabTemplates));
    body()->addWidget(tabs);
    showFields(galleryPageFields(context_.store));
}

QWidget* GalleryPage::makeMainTab()
{
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    auto* help = new QLabel(text(strings::kGalleryHelp), tab);
    help->setTextFormat(Qt::PlainText);
    help->setWordWrap(true);
    layout->addWidget(help);
    folder_ = addLabelledField(layout, tab, text(strings::kGalleryTargetLabel), text(strings::kTargetFolderTip));
    fileName_ = addLabelledField(layout, tab, text(strings::kGalleryFileNameLabel));
    perRow_ = numberField(tab);
    addNumberRow(layout, tab, text(strings::kGalleryPerRowLabel), {perRow_}, QString());
    rows_ = numberField(tab, text(strings::kGalleryRowsTip));
    addNumberRow(layout, tab, text(strings::kGalleryRowsLabel), {rows_}, QString());
    headline_ = addLabelledField(layout, tab, text(strings::kGalleryHeadlineLabel));
    auto* note = new QLabel(text(strings::kGalleryJpegNote), tab);
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);
    layout->addWidget(note);
    create_ = new QPushButton(text(strings::kGalleryCreateButton), tab);
    auto* cancel = new QPushButton(text(strings::kPageCancel), tab);
    auto* apply = new QPushButton(text(strings::kPageApply), tab);
    addButtonRows(layout, {create_, cancel, apply});
    layout->addStretch(1);
    connect(create_, &QPushButton::clicked, this, &GalleryPage::create);
    connect(cancel, &QPushButton::clicked, this, [this] { context_.close(); });
    connect(apply, &QPushButton::clicked, this, &GalleryPage::apply);
    return tab;
}

void GalleryPage::selectionChanged(int count)
{
    create_->setEnabled(count > 0);
}

GalleryPageFields GalleryPage::fields() const
{
    return {folder_->text(), fileName_->text(), perRow_->text(), rows_->text(), headline_->text()};
}

void GalleryPage::showFields(const GalleryPageFields& fields)
{
    folder_->setText(fields.targetFolder);
    fileName_->setText(fields.fileName);
    perRow_->setText(fields.perRow);
    rows_->setText(fields.rowsPerPage);
    headline_->setText(fields.headline);
}

void GalleryPage::apply()
{
    showFields(storeGalleryPageFields(context_.store, fields()));
}

void GalleryPage::create()
{
    if (context_.lists.workingSet().isEmpty())
        return;
    if (const std::optional<FieldBalloon> balloon = targetFolderBalloon(folder_->text())) {
        showFieldBalloon(folder_, *balloon);
        return;
    }
    apply();
    GallerySettings settings = gallerySettingsFrom(context_.store);
    if (const std::optional<QString> running = galleryRunningMessage(JobRegistry::instance(), settings.targetFolder)) {
        context_.prompts.inform(QString(), *running);
        return;
    }
    const QStringList pictures = context_.takeWorkingSet();
    const TaskPageContext context = context_; // the page is gone after close()
    context.close();
    auto job = std::make_unique<GalleryJob>(PictureFileTypes::instance(), pictures, settings, nullptr);
    // Questions are asked on the window's thread; only the start page is
    // offered to open, never the other files the gallery wrote.
    job->offerStartPage(std::make_unique<QueuedJobQuestion>(*QCoreApplication::instance(), context.prompts));
    QObject::connect(job.get(), &GalleryJob::startPageChosen, QCoreApplication::instance(),
                     [](const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); },
                     Qt::QueuedConnection);
    context.startJob(std::move(job));
}

} // namespace vistello

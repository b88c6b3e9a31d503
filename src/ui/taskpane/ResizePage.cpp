#include "ui/taskpane/ResizePage.h"

#include "app/window/taskpane/PageJobs.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"
#include "resources/EditPageStrings.h"
#include "ui/taskpane/ResizeOptionsPanel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistello {

ResizePage::ResizePage(int mode, const TaskPageContext& context, QWidget* parent)
    : CommandPage(mode, strings::text(strings::kResizeHeading), parent)
    , context_(context)
    , panel_(new ResizeOptionsPanel(context.store, SettingsStore::name(setting::Resize), this))
    , makeCopy_(new QCheckBox(strings::text(strings::kResizeMakeCopy), this))
    , change_(new QPushButton(strings::text(strings::kResizeChange), this))
{
    makeCopy_->setChecked(context_.store.get(setting::ResizeMakeCopy));
    body()->addWidget(panel_);
    body()->addWidget(makeCopy_);
    body()->addSpacing(makeCopy_->sizeHint().height());
    auto* buttons = new QHBoxLayout;
    auto* cancel = new QPushButton(strings::text(strings::kResizeCancel), this);
    buttons->addWidget(change_);
    buttons->addSpacing(15);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    body()->addLayout(buttons);
    connect(change_, &QPushButton::clicked, this, &ResizePage::change);
    connect(cancel, &QPushButton::clicked, this, [this] { context_.close(); });
}

void ResizePage::selectionChanged(int count)
{
    change_->setEnabled(count > 0);
    panel_->setPicturesPresent(count > 0);
}

void ResizePage::change()
{
    const bool makeCopy = makeCopy_->isChecked();
    context_.store.set(setting::ResizeMakeCopy, makeCopy);
    const ResizeSettings record = panel_->record();
    const PictureFileTypes& types = PictureFileTypes::instance();
    const ResizeOptions options = resizeOptionsFrom(context_.store, types, record, makeCopy);
    const QStringList pictures = context_.takeWorkingSet();
    const TaskPageContext context = context_; // the page is gone after close(); the panel stores the record
    context.close();
    if (!pictures.isEmpty())
        context.startJob(std::make_unique<ResizePageJob>(types, pictures, options, context.prompts));
}

} // namespace vistello

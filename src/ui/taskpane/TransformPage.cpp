#include "ui/taskpane/TransformPage.h"

#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"
#include "jpegedit/batch/TransformJob.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistello {

TransformPage::TransformPage(int mode, const TaskPageContext& context, QWidget* parent)
    : CommandPage(mode, transformPageTitle(mode), parent)
    , context_(context)
    , modifyThumbnail_(new QCheckBox(QStringLiteral("Modify thumbnail image"), this))
    , makeCopy_(new QCheckBox(QStringLiteral("Make copy"), this))
    , change_(new QPushButton(QStringLiteral("Change"), this))
{
    modifyThumbnail_->setChecked(context_.store.get(setting::TransformModifyExifImage));
    modifyThumbnail_->setToolTip(QStringLiteral(
        "If the thumbnail image overlaps with Makernote information, the thumbnail will be inserted in the existing "
        "EXIF-Header. If necessary the thumbnail image will be cropped at the right/bottom side to fit in."));
    makeCopy_->setChecked(context_.store.get(setting::TransformMakeCopy));
    makeCopy_->setToolTip(QStringLiteral("Click here to save the changed picture as a copy. the original will be "
                                         "changed if you deactivate this function."));
    body()->addWidget(modifyThumbnail_);
    body()->addWidget(makeCopy_);
    auto* buttons = new QHBoxLayout;
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    buttons->addWidget(change_);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    body()->addLayout(buttons);
    connect(change_, &QPushButton::clicked, this, &TransformPage::change);
    connect(cancel, &QPushButton::clicked, this, [this] { context_.close(); });
}

void TransformPage::selectionChanged(int count)
{
    change_->setEnabled(count > 0);
}

void TransformPage::change()
{
    const bool modifyThumbnail = modifyThumbnail_->isChecked();
    const bool makeCopy = makeCopy_->isChecked();
    context_.store.set(setting::TransformModifyExifImage, modifyThumbnail);
    context_.store.set(setting::TransformMakeCopy, makeCopy);
    const PictureTransformOptions options =
        transformOptionsFor(mode(), {modifyThumbnail, makeCopy, context_.store.get(setting::CopyOriginal)});
    const QStringList pictures = context_.takeWorkingSet();
    const TaskPageContext context = context_; // the page is gone after close()
    context.close();
    if (!pictures.isEmpty())
        context.startJob(std::make_unique<TransformJob>(pictures, options));
}

} // namespace vistello

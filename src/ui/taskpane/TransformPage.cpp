#include "ui/taskpane/TransformPage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistello {

TransformPage::TransformPage(int mode, bool modifyThumbnail, bool makeCopy, QWidget* parent)
    : CommandPage(mode, transformPageTitle(mode), parent)
    , modifyThumbnail_(new QCheckBox(QStringLiteral("Modify thumbnail image"), this))
    , makeCopy_(new QCheckBox(QStringLiteral("Make copy"), this))
    , change_(new QPushButton(QStringLiteral("Change"), this))
{
    modifyThumbnail_->setChecked(modifyThumbnail);
    modifyThumbnail_->setToolTip(QStringLiteral(
        "If the thumbnail image overlaps with Makernote information, the thumbnail will be inserted in the existing "
        "EXIF-Header. If necessary the thumbnail image will be cropped at the right/bottom side to fit in."));
    makeCopy_->setChecked(makeCopy);
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
    connect(change_, &QPushButton::clicked, this, &TransformPage::changeRequested);
    connect(cancel, &QPushButton::clicked, this, &CommandPage::closeRequested);
}

bool TransformPage::modifyThumbnail() const
{
    return modifyThumbnail_->isChecked();
}

bool TransformPage::makeCopy() const
{
    return makeCopy_->isChecked();
}

void TransformPage::selectionChanged(int count)
{
    change_->setEnabled(count > 0);
}

} // namespace vistello

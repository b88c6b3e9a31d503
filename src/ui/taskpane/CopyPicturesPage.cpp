#include "ui/taskpane/CopyPicturesPage.h"

#include "resources/TaskPaneStrings.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistello {

CopyPicturesPage::CopyPicturesPage(int mode, QWidget* parent)
    : CommandPage(mode, QStringLiteral("Copy pictures"), parent)
    , copy_(new QPushButton(strings::text(strings::kCopyButton), this))
{
    addText(QStringLiteral(
        "Creates copies of the selected pictures in the same folder with the new name in the form of \"Copy of\"."));
    auto* buttons = new QHBoxLayout;
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    buttons->addWidget(copy_);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    body()->addLayout(buttons);
    connect(copy_, &QPushButton::clicked, this, &CopyPicturesPage::copyRequested);
    connect(cancel, &QPushButton::clicked, this, &CommandPage::closeRequested);
}

void CopyPicturesPage::selectionChanged(int count)
{
    copy_->setEnabled(count > 0);
}

} // namespace vistello

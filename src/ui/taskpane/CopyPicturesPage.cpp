#include "ui/taskpane/CopyPicturesPage.h"

#include "jpegedit/batch/CopyPicturesJob.h"
#include "resources/TaskPaneStrings.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistello {

CopyPicturesPage::CopyPicturesPage(int mode, const TaskPageContext& context, QWidget* parent)
    : CommandPage(mode, QStringLiteral("Copy pictures"), parent)
    , context_(context)
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
    connect(copy_, &QPushButton::clicked, this, &CopyPicturesPage::copy);
    connect(cancel, &QPushButton::clicked, this, [this] { context_.close(); });
}

void CopyPicturesPage::selectionChanged(int count)
{
    copy_->setEnabled(count > 0);
}

void CopyPicturesPage::copy()
{
    const QStringList pictures = context_.takeWorkingSet();
    const TaskPageContext context = context_; // the page is gone after close()
    context.close();
    if (!pictures.isEmpty())
        context.startJob(std::make_unique<CopyPicturesJob>(pictures));
}

} // namespace vistello

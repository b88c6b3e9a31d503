#include "ui/taskpane/CommandPage.h"

#include <QLabel>
#include <QVBoxLayout>

namespace vistello {

CommandPage::CommandPage(int mode, const QString& heading, QWidget* parent)
    : QWidget(parent)
    , mode_(mode)
    , heading_(new QLabel(heading, this))
    , status_(new QLabel(this))
    , body_(new QVBoxLayout)
{
    setObjectName(QStringLiteral("commandPage"));
    heading_->setTextFormat(Qt::PlainText);
    heading_->setObjectName(QStringLiteral("pageHeading"));
    QFont caption = heading_->font();
    caption.setBold(true);
    caption.setPixelSize(heading_->fontInfo().pixelSize() * 115 / 100);
    heading_->setFont(caption);
    status_->setTextFormat(Qt::PlainText);
    status_->setObjectName(QStringLiteral("pageStatus"));
    // Wrapped: an unwrapped line wider than the pane would make the page's
    // height be reckoned at that width, too short for its wrapped texts.
    status_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(heading_);
    layout->addWidget(status_);
    layout->addLayout(body_);
    layout->addStretch(1);
}

QString CommandPage::heading() const
{
    return heading_->text();
}

QString CommandPage::status() const
{
    return status_->text();
}

void CommandPage::setStatus(const QString& status)
{
    status_->setText(status);
}

QLabel* CommandPage::addText(const QString& text)
{
    auto* label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    body_->addWidget(label);
    return label;
}

} // namespace vistello

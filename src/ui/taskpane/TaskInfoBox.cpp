#include "ui/taskpane/TaskInfoBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistello {

TaskTextBox::TaskTextBox(const QString& objectName, bool withCopy, QWidget* parent)
    : QWidget(parent)
    , title_(new QLabel(this))
    , text_(new QLabel(this))
{
    setObjectName(objectName);
    // File names and EXIF texts are shown as they are, never as markup.
    title_->setTextFormat(Qt::PlainText);
    text_->setTextFormat(Qt::PlainText);
    title_->setWordWrap(true);
    text_->setWordWrap(true);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->addWidget(title_);
    layout->addWidget(text_);
    if (withCopy) {
        copy_ = new QPushButton(QStringLiteral("Copy"), this);
        copy_->setEnabled(false);
        auto* row = new QHBoxLayout;
        row->addWidget(copy_);
        row->addStretch(1);
        layout->addLayout(row);
        connect(copy_, &QPushButton::clicked, this, &TaskTextBox::copyRequested);
    }
    layout->addStretch(1);
}

void TaskTextBox::setContents(const QString& title, const QString& text)
{
    title_->setText(title);
    // Tabs between label and value read as one wide blank in a label.
    text_->setText(QString(text).replace(QLatin1Char('\t'), QLatin1Char(' ')));
    if (copy_)
        copy_->setEnabled(!title.isEmpty());
}

QString TaskTextBox::title() const
{
    return title_->text();
}

} // namespace vistello

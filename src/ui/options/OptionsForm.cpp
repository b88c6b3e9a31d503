#include "ui/options/OptionsForm.h"

#include "resources/JobListStrings.h"
#include "resources/OptionsStrings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistello {

using strings::text;

OptionsForm::OptionsForm(int heading, int description, const OptionsHost& host, QWidget* parent)
    : QWidget(parent), host_(host), grid_(new QGridLayout)
{
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(text(heading), this);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPixelSize(bold.pixelSize() > 0 ? bold.pixelSize() + 4 : 17);
    title->setFont(bold);
    layout->addWidget(title);
    auto* about = new QLabel(text(description), this);
    about->setWordWrap(true);
    layout->addWidget(about);
    layout->addSpacing(8);
    layout->addLayout(grid_);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(text(strings::kOptionsOk), this);
    auto* cancelButton = new QPushButton(text(strings::kJobCancel), this);
    auto* applyButton = new QPushButton(text(strings::kOptionsApply), this);
    buttons->addWidget(ok);
    buttons->addWidget(cancelButton);
    buttons->addWidget(applyButton);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();
    connect(ok, &QPushButton::clicked, this, [this] {
        if (apply(true))
            host_.leave();
    });
    connect(applyButton, &QPushButton::clicked, this, [this] { apply(false); });
    connect(cancelButton, &QPushButton::clicked, this, [this] {
        cancel();
        host_.leave();
    });
}

QCheckBox* OptionsForm::addCheck(int label, int toolTip)
{
    auto* box = new QCheckBox(text(label), this);
    box->setToolTip(text(toolTip));
    grid_->addWidget(box, grid_->rowCount(), 0, 1, 2);
    return box;
}

QLineEdit* OptionsForm::addNumber(int label, int unit, int toolTip)
{
    const int row = grid_->rowCount();
    auto* caption = new QLabel(text(label), this);
    auto* field = new QLineEdit(this);
    field->setValidator(new QIntValidator(0, 999999999, field));
    field->setAlignment(Qt::AlignRight);
    field->setMaximumWidth(90);
    if (toolTip)
        field->setToolTip(text(toolTip));
    caption->setBuddy(field);
    grid_->addWidget(caption, row, 0);
    grid_->addWidget(field, row, 1);
    grid_->addWidget(new QLabel(text(unit), this), row, 2);
    return field;
}

QLineEdit* OptionsForm::addNumberBeside(QCheckBox* box, int toolTip)
{
    grid_->removeWidget(box);
    const int row = grid_->rowCount();
    auto* field = new QLineEdit(this);
    field->setValidator(new QIntValidator(0, 999999999, field));
    field->setAlignment(Qt::AlignRight);
    field->setMaximumWidth(90);
    field->setToolTip(text(toolTip));
    field->setAccessibleName(box->text());
    grid_->addWidget(box, row, 0);
    grid_->addWidget(field, row, 1);
    return field;
}

QLineEdit* OptionsForm::addText(int label, int toolTip)
{
    const int row = grid_->rowCount();
    auto* caption = new QLabel(text(label), this);
    auto* field = new QLineEdit(this);
    field->setMaximumWidth(90);
    field->setToolTip(text(toolTip));
    caption->setBuddy(field);
    grid_->addWidget(caption, row, 0);
    grid_->addWidget(field, row, 1);
    return field;
}

int OptionsForm::number(const QLineEdit* field)
{
    bool ok = false;
    const int value = field->text().toInt(&ok);
    return ok ? value : 0;
}

void OptionsForm::setNumber(QLineEdit* field, int value)
{
    field->setText(QString::asprintf("%d", value));
}

} // namespace vistello

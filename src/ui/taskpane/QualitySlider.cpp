#include "ui/taskpane/QualitySlider.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QSlider>

namespace vistello {

QualitySlider::QualitySlider(int value, QWidget* parent)
    : QWidget(parent), slider_(new QSlider(Qt::Horizontal, this)), field_(new QLineEdit(this))
{
    slider_->setRange(0, 100);
    slider_->setTickInterval(10);
    slider_->setTickPosition(QSlider::TicksBelow);
    slider_->setMinimumWidth(60);
    slider_->setValue(value);
    field_->setValidator(new QIntValidator(0, 100, field_));
    field_->setAlignment(Qt::AlignRight);
    field_->setMaxLength(3);
    field_->setFixedWidth(field_->fontMetrics().horizontalAdvance(QStringLiteral("1000")) + 12);
    field_->setText(QString::number(slider_->value()));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(slider_, 1);
    row->addWidget(field_);
    connect(slider_, &QSlider::valueChanged, this, &QualitySlider::sliderMoved);
    connect(field_, &QLineEdit::textChanged, this, &QualitySlider::fieldEdited);
}

int QualitySlider::value() const
{
    return slider_->value();
}

void QualitySlider::sliderMoved(int value)
{
    // Only a different number: the field keeps what is being typed.
    if (field_->text().toInt() != value || field_->text().isEmpty())
        field_->setText(QString::number(value));
}

void QualitySlider::fieldEdited(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok && value >= 0 && value <= 100)
        slider_->setValue(value);
}

} // namespace vistello

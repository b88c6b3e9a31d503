#include "ui/taskpane/QuantityDialog.h"

#include "app/window/actionlist/ActionListRules.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistello {

QuantityDialog::QuantityDialog(int preset, QWidget* parent)
    : QDialog(parent)
    , field_(new QLineEdit(QString::number(preset), this))
    , ok_(new QPushButton(QStringLiteral("OK"), this))
{
    setWindowTitle(QStringLiteral("Quantity"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Quantity:"), field_);
    auto* buttons = new QHBoxLayout;
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    ok_->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    connect(field_, &QLineEdit::textChanged, this,
            [this](const QString& text) { ok_->setEnabled(actionlist::parseQuantity(text).has_value()); });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    field_->selectAll();
}

int QuantityDialog::quantity() const
{
    return actionlist::parseQuantity(field_->text()).value_or(1);
}

} // namespace vistello

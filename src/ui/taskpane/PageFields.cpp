#include "ui/taskpane/PageFields.h"

#include "app/window/taskpane/PublishPageRules.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>

namespace vistello {

namespace {

constexpr int kBalloonMs = 10000;

} // namespace

QLineEdit* addLabelledField(QBoxLayout* layout, QWidget* owner, const QString& label, const QString& toolTip)
{
    auto* text = new QLabel(label, owner);
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    auto* field = new QLineEdit(owner);
    field->setToolTip(toolTip);
    text->setBuddy(field);
    layout->addWidget(text);
    layout->addWidget(field);
    return field;
}

QLineEdit* numberField(QWidget* owner, const QString& toolTip)
{
    auto* field = new QLineEdit(owner);
    field->setToolTip(toolTip);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    return field;
}

QHBoxLayout* addNumberRow(QBoxLayout* layout, QWidget* owner, const QString& label,
                          std::initializer_list<QLineEdit*> fields, const QString& unit)
{
    // The label above its fields: the pane is too narrow for both on one line.
    if (!label.isEmpty()) {
        auto* text = new QLabel(label, owner);
        text->setTextFormat(Qt::PlainText);
        text->setWordWrap(true);
        if (fields.size() > 0)
            text->setBuddy(*fields.begin());
        layout->addWidget(text);
    }
    auto* row = new QHBoxLayout;
    for (QLineEdit* field : fields)
        row->addWidget(field);
    if (!unit.isEmpty()) {
        auto* unitText = new QLabel(unit, owner);
        unitText->setTextFormat(Qt::PlainText);
        row->addWidget(unitText);
    }
    row->addStretch(1);
    layout->addLayout(row);
    return row;
}

void addButtonRows(QBoxLayout* layout, std::initializer_list<QPushButton*> buttons)
{
    // The first button on a row of its own, the others below it: three
    // buttons side by side would be wider than the pane.
    QHBoxLayout* row = nullptr;
    for (QPushButton* button : buttons) {
        if (!row || button == *(buttons.begin() + 1)) {
            row = new QHBoxLayout;
            layout->addLayout(row);
        }
        row->addWidget(button);
    }
    if (row)
        row->addStretch(1);
}

void showFieldBalloon(QLineEdit* field, const FieldBalloon& balloon)
{
    field->setFocus(Qt::OtherFocusReason);
    QToolTip::showText(field->mapToGlobal(field->rect().center()), balloon.title + QLatin1Char('\n') + balloon.text,
                       field, QRect(), kBalloonMs);
}

} // namespace vistello

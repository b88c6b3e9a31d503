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
    auto* row = new QHBoxLayout;
    auto* text = new QLabel(label, owner);
    text->setTextFormat(Qt::PlainText);
    if (fields.size() > 0)
        text->setBuddy(*fields.begin());
    row->addWidget(text);
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

QHBoxLayout* addButtonRow(QBoxLayout* layout, std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    for (QPushButton* button : buttons)
        row->addWidget(button);
    row->addStretch(1);
    layout->addLayout(row);
    return row;
}

void showFieldBalloon(QLineEdit* field, const FieldBalloon& balloon)
{
    field->setFocus(Qt::OtherFocusReason);
    QToolTip::showText(field->mapToGlobal(field->rect().center()), balloon.title + QLatin1Char('\n') + balloon.text,
                       field, QRect(), kBalloonMs);
}

} // namespace vistello

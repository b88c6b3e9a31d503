#include "ui/script/ScriptControls.h"

#include "app/window/script/ScriptLine.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <functional>
#include <optional>
#include <vector>

namespace vistello {

namespace {

// "&Save" shows as "Save"; "&&" is a shown "&".
QString shownText(const QString& text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown.trimmed();
}

// A label's text without the ":" that ends it.
QString labelText(const QString& text)
{
    QString shown = shownText(text);
    if (shown.endsWith(QLatin1Char(':')))
        shown.chop(1);
    return shown.trimmed();
}

std::vector<QWidget*> searchScopes(QWidget& window)
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return {modal};
    std::vector<QWidget*> scopes;
    // An open dialog of its own (Properties) comes before the window's controls.
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != &window && top->isVisible() && qobject_cast<QDialog*>(top))
            scopes.push_back(top);
    for (QWidget* page : window.findChildren<QWidget*>(QStringLiteral("commandPage")))
        if (page->isVisible()) {
            scopes.push_back(page);
            break;
        }
    scopes.push_back(&window);
    return scopes;
}

// Candidates in one scope, each with the text a user reads for it.
struct Candidate {
    QString text;
    QWidget* widget;
};

// The exact match first, else the first that begins with the text; -1 for none.
int bestIndex(const QStringList& texts, const QString& wanted)
{
    int prefixMatch = -1;
    for (int i = 0; i < texts.size(); ++i) {
        if (texts[i] == wanted)
            return i;
        if (prefixMatch < 0 && texts[i].startsWith(wanted))
            prefixMatch = i;
    }
    return prefixMatch;
}

QWidget* bestMatch(const std::vector<Candidate>& candidates, const QString& wanted)
{
    QStringList texts;
    for (const Candidate& candidate : candidates)
        texts.append(candidate.text);
    const int index = bestIndex(texts, wanted);
    return index < 0 ? nullptr : candidates[size_t(index)].widget;
}

using TextOf = std::function<std::optional<QString>(QWidget*)>; // none: not a candidate

QWidget* findControl(QWidget& window, const QString& wanted, const TextOf& textOf)
{
    for (QWidget* scope : searchScopes(window)) {
        std::vector<Candidate> candidates;
        for (QWidget* widget : scope->findChildren<QWidget*>())
            if (widget->isVisible())
                if (const std::optional<QString> text = textOf(widget))
                    candidates.push_back({shownText(*text), widget});
        if (QWidget* found = bestMatch(candidates, wanted))
            return found;
    }
    return nullptr;
}

// The widgets "fill" works; the line edits inside spin and combo boxes are theirs.
bool isInput(const QWidget* widget)
{
    if (qobject_cast<const QLineEdit*>(widget)) {
        const QWidget* owner = widget->parentWidget();
        return !qobject_cast<const QAbstractSpinBox*>(owner) && !qobject_cast<const QComboBox*>(owner);
    }
    return qobject_cast<const QSpinBox*>(widget) || qobject_cast<const QDoubleSpinBox*>(widget)
        || qobject_cast<const QComboBox*>(widget) || qobject_cast<const QSlider*>(widget);
}

QWidget* firstInputIn(QWidget* widget)
{
    if (!widget || isInput(widget))
        return widget;
    for (QWidget* child : widget->findChildren<QWidget*>())
        if (isInput(child) && child->isVisible())
            return child;
    return nullptr;
}

QWidget* firstInputIn(QLayoutItem* item)
{
    if (!item)
        return nullptr;
    if (item->widget())
        return firstInputIn(item->widget());
    if (QLayout* layout = item->layout())
        for (int i = 0; i < layout->count(); ++i)
            if (QWidget* input = firstInputIn(layout->itemAt(i)))
                return input;
    return nullptr;
}

QLayout* layoutHolding(QLayout* layout, QWidget* widget)
{
    if (!layout)
        return nullptr;
    if (layout->indexOf(widget) >= 0)
        return layout;
    for (int i = 0; i < layout->count(); ++i)
        if (QLayout* found = layoutHolding(layout->itemAt(i)->layout(), widget))
            return found;
    return nullptr;
}

// The field a label names: its buddy, else what follows it in its layout
// (the field of its form row, the next cell of its grid row, the next item
// of its box).
QWidget* fieldOf(QLabel* label)
{
    if (label->buddy())
        return firstInputIn(label->buddy());
    QLayout* layout = label->parentWidget() ? layoutHolding(label->parentWidget()->layout(), label) : nullptr;
    if (!layout)
        return nullptr;
    const int at = layout->indexOf(label);
    if (auto* form = qobject_cast<QFormLayout*>(layout)) {
        int row = -1;
        QFormLayout::ItemRole role = QFormLayout::SpanningRole;
        form->getItemPosition(at, &row, &role);
        return role == QFormLayout::LabelRole ? firstInputIn(form->itemAt(row, QFormLayout::FieldRole)) : nullptr;
    }
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(at, &row, &column, &rowSpan, &columnSpan);
        return firstInputIn(grid->itemAtPosition(row, column + columnSpan));
    }
    for (int i = at + 1; i < layout->count(); ++i)
        if (!layout->itemAt(i)->spacerItem())
            return firstInputIn(layout->itemAt(i));
    return nullptr;
}

// Every labelled field of a scope, then every field by its placeholder text.
std::vector<Candidate> labelledFields(QWidget* scope)
{
    std::vector<Candidate> fields;
    for (QLabel* label : scope->findChildren<QLabel*>())
        if (label->isVisible())
            if (QWidget* input = fieldOf(label))
                fields.push_back({labelText(label->text()), input});
    for (QLineEdit* edit : scope->findChildren<QLineEdit*>()) {
        QWidget* input = qobject_cast<QComboBox*>(edit->parentWidget()) ? edit->parentWidget() : edit;
        if (edit->isVisible() && !edit->placeholderText().isEmpty() && isInput(input))
            fields.push_back({labelText(edit->placeholderText()), input});
    }
    return fields;
}

QWidget* fieldByLabel(QWidget& window, const QString& label)
{
    const QString wanted = labelText(label);
    for (QWidget* scope : searchScopes(window))
        if (QWidget* found = bestMatch(labelledFields(scope), wanted))
            return found;
    return nullptr;
}

// The N-th visible input of the dialog, page or window as Tab reaches them.
QWidget* fieldByNumber(QWidget& window, int number)
{
    QWidget* scope = searchScopes(window).front();
    int seen = 0;
    QWidget* widget = scope;
    for (int step = 0; step < 100000; ++step) {
        widget = widget->nextInFocusChain();
        if (!widget || widget == scope)
            break;
        if (scope->isAncestorOf(widget) && isInput(widget) && widget->isVisible() && ++seen == number)
            return widget;
    }
    return nullptr;
}

// As typed over the selected text: textEdited and textChanged, then
// editingFinished as when the user leaves the field.
QString typeInto(QLineEdit* edit, const QString& value, const QString& name)
{
    if (edit->isReadOnly())
        return QStringLiteral("field %1 is read-only").arg(name);
    edit->selectAll();
    edit->insert(value);
    if (edit->text() != value)
        return QStringLiteral("field %1 does not take \"%2\"").arg(name, value);
    if (edit->hasAcceptableInput())
        Q_EMIT edit->editingFinished();
    return {};
}

template <class Box, class Number>
QString setNumber(Box* box, const QString& value, const QString& name, Number number, bool ok)
{
    if (!ok)
        return QStringLiteral("\"%1\" is not a number for field %2").arg(value, name);
    if (number < box->minimum() || number > box->maximum())
        return QStringLiteral("%1 is outside %2 to %3 for field %4")
            .arg(value, QString::number(box->minimum()), QString::number(box->maximum()), name);
    box->setValue(number);
    return {};
}

// A drop-down's entry as a user picks it: current, then activated.
QString chooseEntry(QComboBox* combo, const QString& value, const QString& name)
{
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries.append(combo->itemText(i));
    const int index = bestIndex(entries, value);
    if (index < 0)
        return QStringLiteral("no entry \"%1\" in field %2").arg(value, name);
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
    Q_EMIT combo->textActivated(combo->itemText(index));
    return {};
}

QString setField(QWidget* input, const QString& value, const QString& name)
{
    if (!input->isEnabled())
        return QStringLiteral("field %1 is disabled").arg(name);
    bool ok = false;
    if (auto* edit = qobject_cast<QLineEdit*>(input))
        return typeInto(edit, value, name);
    if (auto* spin = qobject_cast<QSpinBox*>(input)) {
        const int number = value.trimmed().toInt(&ok);
        return setNumber(spin, value, name, number, ok);
    }
    if (auto* spin = qobject_cast<QDoubleSpinBox*>(input)) {
        const double number = value.trimmed().toDouble(&ok);
        return setNumber(spin, value, name, number, ok);
    }
    if (auto* slider = qobject_cast<QSlider*>(input)) {
        const int number = value.trimmed().toInt(&ok);
        return setNumber(slider, value, name, number, ok);
    }
    if (auto* combo = qobject_cast<QComboBox*>(input))
        return combo->isEditable() && combo->lineEdit() ? typeInto(combo->lineEdit(), value, name)
                                                        : chooseEntry(combo, value, name);
    return QStringLiteral("field %1 takes no value").arg(name);
}

} // namespace

QString pressScriptButton(QWidget& window, const QString& text)
{
    QWidget* found = findControl(window, text, [](QWidget* widget) -> std::optional<QString> {
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            return button->text();
        return std::nullopt;
    });
    if (!found)
        return QStringLiteral("no button \"%1\"").arg(text);
    if (!found->isEnabled())
        return QStringLiteral("button \"%1\" is disabled").arg(text);
    // A button that opens a modal dialog returns once the dialog closed.
    static_cast<QAbstractButton*>(found)->click();
    return {};
}

QString tickScriptCheckBox(QWidget& window, const QString& text, bool on)
{
    QWidget* found = findControl(window, text, [](QWidget* widget) -> std::optional<QString> {
        if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isCheckable())
            return button->text();
        if (auto* group = qobject_cast<QGroupBox*>(widget); group && group->isCheckable())
            return group->title();
        return std::nullopt;
    });
    if (!found)
        return QStringLiteral("no check box \"%1\"").arg(text);
    if (!found->isEnabled())
        return QStringLiteral("check box \"%1\" is disabled").arg(text);
    if (auto* button = qobject_cast<QAbstractButton*>(found)) {
        if (button->isChecked() != on)
            button->click();
        if (button->isChecked() != on)
            return QStringLiteral("\"%1\" cannot be turned %2").arg(text, on ? QStringLiteral("on") : QStringLiteral("off"));
        return {};
    }
    auto* group = static_cast<QGroupBox*>(found);
    if (group->isChecked() != on) {
        group->setChecked(on);
        Q_EMIT group->clicked(on);
    }
    return {};
}

QString fillScriptField(QWidget& window, const ScriptCommand& command)
{
    const QString name = command.fieldNumber > 0 ? QStringLiteral("#%1").arg(command.fieldNumber)
                                                 : QStringLiteral("\"%1\"").arg(command.text);
    QWidget* input =
        command.fieldNumber > 0 ? fieldByNumber(window, command.fieldNumber) : fieldByLabel(window, command.text);
    if (!input)
        return QStringLiteral("no field %1").arg(name);
    return setField(input, command.value, name);
}

QString clickScriptTask(QWidget& window, const QString& text)
{
    // The task list first, then the sections below it.
    for (const char* name : {"taskList", "pictureTasks", "advancedTasks"}) {
        QWidget* list = window.findChild<QWidget*>(QLatin1String(name));
        bool clicked = false;
        if (list
            && QMetaObject::invokeMethod(list, "clickItem", Qt::DirectConnection, Q_RETURN_ARG(bool, clicked),
                                         Q_ARG(QString, text))
            && clicked)
            return {};
    }
    return QStringLiteral("no task item \"%1\"").arg(text);
}

} // namespace vistello

#pragma once
// Building blocks of the longer task-pane pages: a label above its field
// (the pane is narrow), a row of a label, number fields and a unit, a row
// of buttons, and the balloon a refused field shows.
#include <QString>
#include <initializer_list>

class QBoxLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vistello {

struct FieldBalloon;

// A wrapping label and below it its field (the label's buddy).
QLineEdit* addLabelledField(QBoxLayout* layout, QWidget* owner, const QString& label, const QString& toolTip = {});
// "Label:" and below it "[a] [b] unit"; the fields are narrow.
QHBoxLayout* addNumberRow(QBoxLayout* layout, QWidget* owner, const QString& label,
                          std::initializer_list<QLineEdit*> fields, const QString& unit);
QLineEdit* numberField(QWidget* owner, const QString& toolTip = {});
// The buttons, left-aligned: the first alone, the others on a row below.
void addButtonRows(QBoxLayout* layout, std::initializer_list<QPushButton*> buttons);
// The balloon at the middle of the field for 10 seconds; the field takes
// the focus.
void showFieldBalloon(QLineEdit* field, const FieldBalloon& balloon);

} // namespace vistello

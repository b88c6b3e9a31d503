#pragma once
// One options page: heading, description, its controls in a grid, and the
// buttons "OK", "Cancel" and "Apply". Each page fills itself when opened.
#include "ui/options/OptionsHost.h"

#include <QWidget>

class QCheckBox;
class QGridLayout;
class QLineEdit;

namespace vistello {

class OptionsForm : public QWidget {
    Q_OBJECT
public:
    OptionsForm(int heading, int description, const OptionsHost& host, QWidget* parent);

    // Fills the controls and remembers the "at once" values.
    virtual void open() = 0;

protected:
    // False keeps the page (a refused value); true renews the memory.
    virtual bool apply(bool leaving) = 0;
    virtual void cancel() = 0;

    QCheckBox* addCheck(int text, int toolTip);
    // A digits-only field, right-aligned, with its label and unit.
    QLineEdit* addNumber(int label, int unit, int toolTip);
    // A field on the row of a check box added just before.
    QLineEdit* addNumberBeside(QCheckBox* box, int toolTip);
    QLineEdit* addText(int label, int toolTip);
    QGridLayout* grid() const { return grid_; }
    static int number(const QLineEdit* field);
    static void setNumber(QLineEdit* field, int value);

    OptionsHost host_;

private:
    QGridLayout* grid_;
};

} // namespace vistello

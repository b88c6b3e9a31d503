#pragma once
// "Rename": new names for the selected pictures (or the whole list), by a
// typed name, a numbered pattern or the date of taking, made by the rename job.
#include "ui/taskpane/CommandPage.h"
#include "ui/taskpane/TaskPageContext.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vistello {

class RenamePage : public CommandPage {
    Q_OBJECT
public:
    RenamePage(int mode, const TaskPageContext& context, QWidget* parent);
    void selectionChanged(int count) override;

private:
    QStringList pictures() const;
    void fill();
    void rename();

    TaskPageContext context_;
    QLineEdit* name_;
    QSpinBox* start_;
    QCheckBox* useDate_;
    QCheckBox* renameAll_;
    QPushButton* rename_;
};

} // namespace vistello

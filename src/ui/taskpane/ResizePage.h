#pragma once
// "Resize picture(s)": the resize options, "Make copy", Change and Cancel.
// "Change" starts the resize job over the working set with the options
// shown, as the command line's resize builds it.
#include "ui/taskpane/CommandPage.h"
#include "ui/taskpane/TaskPageContext.h"

class QCheckBox;
class QPushButton;

namespace vistello {

class ResizeOptionsPanel;

class ResizePage : public CommandPage {
    Q_OBJECT
public:
    ResizePage(int mode, const TaskPageContext& context, QWidget* parent);
    void selectionChanged(int count) override;

private:
    void change();

    TaskPageContext context_;
    ResizeOptionsPanel* panel_;
    QCheckBox* makeCopy_;
    QPushButton* change_;
};

} // namespace vistello

#pragma once
// "Copy pictures": copies beside the selected pictures named "Copy of ...",
// made by the copy job.
#include "ui/taskpane/CommandPage.h"
#include "ui/taskpane/TaskPageContext.h"

class QPushButton;

namespace vistello {

class CopyPicturesPage : public CommandPage {
    Q_OBJECT
public:
    CopyPicturesPage(int mode, const TaskPageContext& context, QWidget* parent);
    void selectionChanged(int count) override;

private:
    void copy();

    TaskPageContext context_;
    QPushButton* copy_;
};

} // namespace vistello

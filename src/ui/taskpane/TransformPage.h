#pragma once
// "Rotate right", "Rotate left", "Auto rotate", "Mirror vertical" and
// "Greyscale": the two choices and Change/Cancel. "Change" stores both
// choices and starts the transform job over the working set.
#include "app/window/taskpane/TransformPages.h"
#include "ui/taskpane/CommandPage.h"
#include "ui/taskpane/TaskPageContext.h"

class QCheckBox;
class QPushButton;

namespace vistello {

class TransformPage : public CommandPage {
    Q_OBJECT
public:
    // The boxes start from the stored settings.
    TransformPage(int mode, const TaskPageContext& context, QWidget* parent);
    void selectionChanged(int count) override;

private:
    void change();

    TaskPageContext context_;
    QCheckBox* modifyThumbnail_;
    QCheckBox* makeCopy_;
    QPushButton* change_;
};

} // namespace vistello

#pragma once
// "Convert picture format": the target format, its settings, Convert and
// Cancel. "Convert" stores the target and starts the conversion job over
// the working set, as the command line's convert builds it.
#include "app/window/taskpane/ConvertTargets.h"
#include "ui/taskpane/CommandPage.h"
#include "ui/taskpane/TaskPageContext.h"

class QComboBox;
class QPushButton;

namespace vistello {

class ConvertPage : public CommandPage {
    Q_OBJECT
public:
    ConvertPage(int mode, const TaskPageContext& context, QWidget* parent);
    void selectionChanged(int count) override;

private:
    const ConvertTarget* target() const;
    void targetChosen();
    void convert();

    TaskPageContext context_;
    std::vector<ConvertTarget> targets_;
    QComboBox* formats_;
    QPushButton* settings_;
    QPushButton* convert_;
};

} // namespace vistello

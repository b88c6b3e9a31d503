#pragma once
// "Picture check": decodes the selected pictures (else the whole list) and
// lists the broken ones in the error list, which the user may open when
// the check is done.
#include "ui/taskpane/CommandPage.h"
#include "ui/taskpane/TaskPageContext.h"

class QPushButton;

namespace vistello {

class PictureCheckPage : public CommandPage {
    Q_OBJECT
public:
    PictureCheckPage(int mode, const TaskPageContext& context, QWidget* parent);
    void selectionChanged(int count) override;

private:
    void check();

    TaskPageContext context_;
    QPushButton* check_;
};

} // namespace vistello

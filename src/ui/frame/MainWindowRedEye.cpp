// The main window's red-eye mode: its page reads the working set, shows its
// steps in the task pane and hands a saved picture to the lists.
#include "ui/frame/MainWindow.h"

#include "app/window/frame/DisplayStyle.h"
#include "core/lists/PictureLists.h"
#include "organize/filecommands/FileCommands.h"
#include "ui/redeye/RedEyePage.h"
#include "ui/taskpane/TaskPaneController.h"

namespace vistello {

WindowPage* MainWindow::createRedEyePage()
{
    RedEyeHost host;
    host.workingSet = [this] { return lists_.workingSet(); };
    host.setSteps = [this](const QString& title, const QString& text) { taskPane_->setSteps(title, text); };
    host.leave = [this] {
        if (state_.displayStyle == style::RedEye)
            setDisplayStyle(state_.lastPictureStyle);
    };
    // A copy becomes the current picture; a picture saved in place is refreshed.
    host.written = [this](const QString& path, bool makeCurrent) { fileCommands_->resultWritten(path, makeCurrent ? 1 : 0); };
    return new RedEyePage(store_, prompts_, std::move(host), this);
}

} // namespace vistello

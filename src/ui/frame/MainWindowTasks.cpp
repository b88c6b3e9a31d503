// The main window's task pane: its controller, the commands that open its
// pages, what the lists tell it, and the jobs its pages start.
#include "ui/frame/MainWindow.h"

#include "app/window/frame/CommandEnabling.h"
#include "app/window/frame/CommandIds.h"
#include "app/window/viewer/ViewerButtons.h"
#include "core/jobs/BackgroundJob.h"
#include "core/jobs/JobRegistry.h"
#include "core/lists/PictureLists.h"
#include "ui/frame/LeftPane.h"
#include "ui/taskpane/TaskPane.h"
#include "ui/taskpane/TaskPaneController.h"
#include "ui/viewer/PicturePage.h"
#include "ui/viewer/PictureView.h"
#include "ui/viewer/ViewerController.h"

namespace vistello {

void MainWindow::createTaskPane()
{
    taskPane_ = new TaskPaneController(leftPane_, store_, lists_, prompts_, state_,
                                       {[this] { return commandContext(); }, [this](int id) { runCommand(id); },
                                        [this](std::unique_ptr<BackgroundJob> job) { startJob(std::move(job)); }});
    leftPane_->setTaskPane(taskPane_->pane());
}

bool MainWindow::taskCommand(int id)
{
    // The picture the viewer shows is turned there, after its own question,
    // unless several pictures are chosen for the command.
    const bool turn = id == command::RotateRight || id == command::RotateLeft || id == command::AutoRotate;
    const PictureView* view = pictureView();
    if (turn && view && view->pictureOk() && qobject_cast<PicturePage*>(currentPage_)
        && lists_.workingSet().size() <= 1) {
        viewer_->command(id == command::RotateRight  ? viewer::RotateRight
                         : id == command::RotateLeft ? viewer::RotateLeft
                                                     : viewer::AutoRotate,
                         false);
        return true;
    }
    return taskPane_->command(id);
}

void MainWindow::selectionChanged()
{
    if (taskPane_)
        taskPane_->selectionChanged();
}

void MainWindow::startJob(std::unique_ptr<BackgroundJob> job)
{
    if (!job)
        return;
    BackgroundJob* started = JobRegistry::instance().add(std::move(job));
    connect(started, &BackgroundJob::jobFinished, this,
            [](int number) { JobRegistry::instance().remove(number); }, Qt::QueuedConnection);
    started->start();
}

void MainWindow::pointerOverPicture(const QString& path)
{
    taskPane_->pointerOver(path);
}

} // namespace vistello

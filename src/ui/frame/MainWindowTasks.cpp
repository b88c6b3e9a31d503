// The main window's task pane: its controller, the commands that open its
// pages, what the lists tell it, and the jobs its pages start.
#include "ui/frame/MainWindow.h"

#include "app/window/frame/CommandEnabling.h"
#include "app/window/frame/CommandIds.h"
#include "app/window/taskpane/JobLauncher.h"
#include "app/window/viewer/ViewerButtons.h"
#include "core/jobs/BackgroundJob.h"
#include "core/jobs/JobRegistry.h"
#include "core/lists/PictureLists.h"
#include "ui/frame/LeftPane.h"
#include "organize/filecommands/FileCommands.h"
#include "ui/taskpane/CommentDialog.h"
#include "ui/taskpane/JobListView.h"
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
                                        [this](std::unique_ptr<BackgroundJob> job) { startJob(std::move(job)); },
                                        [this](const QStringList& paths) {
                                            for (const QString& path : paths)
                                                fileCommands_->resultWritten(path, 0);
                                        }});
    leftPane_->setTaskPane(taskPane_->pane());
    jobs_ = new JobLauncher(*fileCommands_, this);
    auto* jobList = new JobListView(*jobs_, taskPane_->pane());
    jobList->setObjectName(QStringLiteral("jobList"));
    taskPane_->setJobList(jobList);
    connect(jobs_, &JobLauncher::changed, this, [this] { taskPane_->setJobsRunning(!jobs_->progress().isEmpty()); });
    connect(jobList, &JobListView::heightChanged, taskPane_->pane(), &TaskPane::relayout);
}

bool MainWindow::taskCommand(int id)
{
    // The picture the viewer shows is turned there, after its own question,
    // unless several pictures are chosen for the command.
    const bool turn = id == command::RotateRight || id == command::RotateLeft || id == command::AutoRotate;
    const PictureView* view = pictureView();
    if (turn && view && view->pictureOk() && qobject_cast<PicturePage*>(currentPage_)
        && lists_.selectedPictures().entries().isEmpty() && lists_.workingSet().size() <= 1) {
        viewer_->command(id == command::RotateRight  ? viewer::RotateRight
                         : id == command::RotateLeft ? viewer::RotateLeft
                                                     : viewer::AutoRotate,
                         false);
        return true;
    }
    if (id == command::ChangeComment) {
        changeComments();
        return true;
    }
    return taskPane_->command(id);
}

void MainWindow::changeComments()
{
    CommentDialog dialog(store_, lists_, [this](const QStringList& changed) {
        // The viewer's text line and every other view read the comments anew.
        for (const QString& path : changed)
            fileCommands_->pictureChanged(path);
        taskPane_->pictureChanged(changed);
    }, this);
    dialog.exec();
}

void MainWindow::selectionChanged()
{
    if (taskPane_)
        taskPane_->selectionChanged();
}

void MainWindow::startJob(std::unique_ptr<BackgroundJob> job)
{
    if (job)
        jobs_->start(std::move(job));
}

bool MainWindow::jobsRunning() const
{
    return JobRegistry::instance().count() > 0 || jobs_->progress().hasOpenJobs() || taskPane_->wallpaperBusy();
}

void MainWindow::pointerOverPicture(const QString& path)
{
    taskPane_->pointerOver(path);
}

} // namespace vistello

#pragma once
// What the task pane does: which page its slot shows (a command opens its
// page, the same command closes it), the pages' status and buttons, the
// information box of the picture under the pointer, and the jobs the pages
// start. The window routes the pane's commands here.
#include "app/window/taskpane/TaskSlot.h"

#include <QJsonObject>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;

namespace vistello {

class BackgroundJob;
class CommandPage;
class PictureLists;
class Prompts;
class SettingsStore;
class TaskPane;
class TaskTextBox;
class WallpaperSetter;
struct WallpaperResult;
struct CommandContext;
struct MainWindowState;

struct TaskPaneHooks {
    std::function<CommandContext()> commandContext;
    std::function<void(int)> runCommand;                        // a task item's command
    std::function<void(std::unique_ptr<BackgroundJob>)> startJob; // into the job list
    std::function<void(const QStringList&)> picturesWritten;      // by a page, not the current picture
};

class TaskPaneController : public QObject {
    Q_OBJECT
public:
    TaskPaneController(QWidget* paneParent, SettingsStore& store, PictureLists& lists, Prompts& prompts,
                       MainWindowState& state, TaskPaneHooks hooks);
    ~TaskPaneController() override;

    TaskPane* pane() const { return pane_; }

    // True when the command is the pane's (pages, list export, Copy).
    bool command(int id);
    // Opens the page of mode (closing any other), or closes with 0.
    void showPage(int mode);
    void closePage() { showPage(0); }
    // Closes the page and runs the command on these pictures (the action
    // list's OK): they are its working set while the page it opens is open.
    void handOver(int id, const QStringList& pictures);
    int pageMode() const { return slot_.pageMode(); }
    CommandPage* page() const; // the open page, or null

    // The selection or the list changed: status, buttons and items anew.
    void selectionChanged();
    // The pointer is over a picture of the strip or the overview.
    void pointerOver(const QString& path);
    // Pictures changed: the information box reads its picture anew.
    void pictureChanged(const QStringList& paths);
    // The red-eye steps; both empty gives the slot back.
    void setSteps(const QString& title, const QString& text);
    void setInfo(const QString& title, const QString& text);
    // The job list and whether it has entries.
    void setJobList(QWidget* jobList);
    void setJobsRunning(bool running);

    // A wallpaper is being made or set (one at a time).
    bool wallpaperBusy() const;

    // taskPane of the scripted state.
    QJsonObject stateJson() const;

private:
    CommandPage* makePage(int mode);
    void placeSlot();
    void exportList();
    void setWallpaper();
    void resetWallpaper();
    void openWallpaperSettings();
    void wallpaperDone(const WallpaperResult& result);
    void copyInfo();

    SettingsStore& store_;
    PictureLists& lists_;
    Prompts& prompts_;
    MainWindowState& state_;
    TaskPaneHooks hooks_;
    TaskSlot slot_;
    TaskPane* pane_;
    TaskTextBox* infoBox_;
    TaskTextBox* stepBox_;
    QWidget* jobList_ = nullptr;
    CommandPage* page_ = nullptr;
    WallpaperSetter* wallpaper_;
    QString lastPointerPath_;
};

} // namespace vistello

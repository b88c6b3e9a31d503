#pragma once
// The program's one top-level window: a frame of top bar, left pane and
// the central area with the current page. It owns the pages and routes
// commands to them and to its controllers (viewer, auto show, file
// commands); the decisions are the headless window logic's (app/window).
#include "app/window/frame/MainWindowState.h"
#include "app/window/frame/WindowLayout.h"
#include "app/startup/WindowStart.h"
#include "organize/folders/Favorites.h"
#include "organize/folders/FolderTreeModel.h"

#include <QJsonObject>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

class QLabel;

namespace vistello {

class AutoShowController;
class BackgroundJob;
class FileCommandRunner;
class FileCommands;
class FolderPaneController;
class FolderTree;
class OverviewStripController;
class LeftPane;
class PictureView;
class PictureLists;
class Prompts;
class SettingsStore;
class TabRow;
class TaskPaneController;
class JobLauncher;
class TopBar;
class ViewerController;
class WindowPage;
struct AutoShowHost;
struct ViewerHost;
enum class PageId;
struct CommandContext;

struct MainWindowSetup {
    SettingsStore& store;
    PictureLists& lists;
    Prompts& prompts;
    QString folder; // the folder shown, ending in "/" (empty for other lists)
    bool includeSubfolders = false;
};

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(const MainWindowSetup& setup);
    ~MainWindow() override;

    // The stored placement and frame; call before the window is shown.
    void restorePlacement();
    // Focus and the first-run balloon; call once the window is shown.
    void start(const WindowStart& start);

    // Runs a command as if chosen from its key or button; disabled commands do nothing.
    void runCommand(int command);
    void setDisplayStyle(uint64_t style);
    // Writes the state and the normal frame's placement to the settings.
    void storeState();

    const MainWindowState& state() const { return state_; }
    QRect centralRect() const { return areas_.central; }
    QJsonObject stateJson() const;
    Prompts& prompts() { return prompts_; }
    // The folder view (left pane) shown or hidden, as the user's choice.
    void setSelectionViewVisible(bool visible);
    // The overview page exists and every item has its tile.
    bool overviewComplete() const;
    // No thumbnail loader and no transition is still at work.
    bool idle() const;
    // A batch job runs, or its results are still to reach the views.
    bool jobsRunning() const;

    // For scripted runs: the current list's selection as a user's clicks in
    // the overview leave it, every picture (all) or exactly those at the
    // indices, the first becoming current (none when empty). False for an
    // index outside the list.
    bool selectForScript(bool all, const std::vector<int>& indices);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    WindowPage* page(PageId id);
    // What the controllers may ask of the window and change in it.
    AutoShowHost autoShowHost();
    ViewerHost viewerHost();
    CommandContext commandContext() const;
    void layoutAreas();
    void applyFrame();
    void updateButtons();
    void enterFullScreenFrame(bool savePlacement);
    void leaveFullScreenFrame();
    void togglePictureOnly();
    void escape();
    void switchFocus();
    void stepPicture(int delta);
    void showPicture(int index);
    void enter();
    void selectAll();
    void currentPictureChanged();
    void applyTabRowChange(int change);
    // The viewer shown on the picture tab, else null.
    PictureView* pictureView() const;
    // The picture page's player runs (the auto show waits for it).
    bool mediaPlaying() const;
    void applyViewerModes();
    QString pictureFolder() const;
    bool onPictureList(QPoint at) const;
    // The controllers of the folder pane and of the two picture lists.
    void createFolderTree();
    void playSoundOf(const QString& path);
    // The task pane, its pages and the jobs they start (MainWindowTasks.cpp).
    void createTaskPane();
    // A task-pane command (pages, list export); false when it is not one.
    bool taskCommand(int id);
    void changeComments();
    // The list's selection changed: the pane's page and items follow.
    void selectionChanged();
    void pointerOverPicture(const QString& path);
    void startJob(std::unique_ptr<BackgroundJob> job);
    // The search page and what its search does to the window (MainWindowSearch.cpp).
    WindowPage* createSearchPage();
    // The options pages and what their Apply and Cancel ask of the window (MainWindowOptions.cpp).
    WindowPage* createOptionsPage();
    void applyColours();
    // The red-eye mode's page (MainWindowRedEye.cpp).
    WindowPage* createRedEyePage();

    SettingsStore& store_;
    PictureLists& lists_;
    Prompts& prompts_;
    QString folder_;
    bool includeSubfolders_;
    MainWindowState state_;
    WindowAreas areas_;
    bool inLayout_ = false;
    QByteArray normalPlacement_; // kept while in the full-screen frame
    std::unique_ptr<FileCommands> fileCommands_;
    TopBar* topBar_;
    LeftPane* leftPane_;
    TabRow* groupTabs_ = nullptr; // the options or HTML tab row
    std::map<PageId, WindowPage*> pages_;
    WindowPage* currentPage_ = nullptr;
    QColor background_;
    QColor pictureOnlyBackground_;
    FavoritesList favorites_;
    FolderPaneController* folderPane_ = nullptr;
    OverviewStripController* listViews_ = nullptr;
    FolderTree* folderTree_ = nullptr;
    QLabel* driveLine_ = nullptr;
    std::unique_ptr<FileCommandRunner> fileRunner_;
    AutoShowController* autoShow_;
    ViewerController* viewer_;
    TaskPaneController* taskPane_ = nullptr;
    JobLauncher* jobs_ = nullptr;
    int optionsRefreshes_ = 0; // views refreshed by the options pages, for scripted runs
};

} // namespace vistello

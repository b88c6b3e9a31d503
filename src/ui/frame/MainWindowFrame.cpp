// The main window's frame: placement, the full-screen frame, picture-only
// mode, the layout of its areas, the start, and what the auto show changes
// in the frame.
#include "ui/frame/MainWindow.h"

#include "app/window/frame/DisplayStyle.h"
#include "app/window/frame/Splitters.h"
#include "app/window/frame/StyleMachine.h"
#include "app/window/taskpane/TaskPageModes.h"
#include "core/lists/PictureLists.h"
#include "core/settings/SettingsStore.h"
#include "organize/folders/FolderRenameBroadcast.h"
#include "organize/folders/FolderTreeModel.h"
#include "ui/common/TabRow.h"
#include "ui/common/WindowPage.h"
#include "ui/folders/AddressField.h"
#include "ui/folders/FolderTree.h"
#include "ui/folders/FolderPaneController.h"
#include "ui/frame/LeftPane.h"
#include "ui/frame/TopBar.h"
#include "ui/taskpane/CropPage.h"
#include "ui/taskpane/TaskPaneController.h"
#include "ui/viewer/AutoShowController.h"
#include "ui/viewer/PicturePage.h"
#include "ui/viewer/PictureView.h"
#include "ui/viewer/ViewerController.h"

#include <QScreen>
#include <QToolTip>

namespace vistello {

void MainWindow::start(const WindowStart& start)
{
    QWidget* tree = folderTree_;
    if (start.focusFolderTree && tree->isVisible())
        tree->setFocus();
    else
        setFocus();
    if (start.showFolderViewHint)
        QToolTip::showText(tree->mapToGlobal(tree->rect().center()),
                           folderViewHintTitle() + QLatin1Char('\n') + folderViewHintText(), tree, QRect(),
                           kFolderViewHintMs);
    if (start.startAutoShow)
        autoShow_->start();
}

AutoShowHost MainWindow::autoShowHost()
{
    AutoShowHost host;
    host.listCount = [this] { return lists_.current().count(); };
    host.appFullScreen = [this] { return state_.appFullScreen; };
    host.enter = [this] {
        if (state_.displayStyle != style::Picture)
            setDisplayStyle(style::Picture);
        state_.pictureOnly = true;
        enterFullScreenFrame(true);
        applyFrame();
    };
    host.leave = [this](bool leaveFullScreen) {
        state_.pictureOnly = false;
        if (leaveFullScreen)
            leaveFullScreenFrame();
        applyFrame();
    };
    host.next = [this] { stepPicture(1); };
    host.busy = [this] {
        const PictureView* view = pictureView();
        AutoShowBusy busy;
        busy.soundPlaying = viewer_->soundPlaying();
        busy.mediaPlaying = mediaPlaying();
        busy.panoramaScrolling = view && view->panoramaScrolling();
        return busy;
    };
    return host;
}

ViewerHost MainWindow::viewerHost()
{
    return {[this] { return pictureView(); },
            [this] { return state_.pictureOnly; },
            [this](int id) { runCommand(id); },
            [this] { currentPictureChanged(); },
            [this] { updateButtons(); },
            [this] {
                taskPane_->showPage(taskpage::CropRectangle);
                return qobject_cast<CropPage*>(taskPane_->page());
            },
            [this] {
                if (taskPane_->pageMode() == taskpage::CropRectangle)
                    taskPane_->closePage();
            }};
}

void MainWindow::restorePlacement()
{
    QByteArray placement;
    store_.getBin(SettingsStore::name(setting::WindowPlacement), placement);
    // Bytes of another program or version are ignored.
    const bool restored = !placement.isEmpty() && restoreGeometry(placement);
    if (!restored) {
        const QScreen* current = screen();
        setGeometry(defaultNormalFrame(current->size()).translated(current->geometry().topLeft()));
    }
    if (state_.appFullScreen) {
        state_.appFullScreen = false;
        normalPlacement_ = restored ? placement : QByteArray();
        enterFullScreenFrame(false);
    }
}

void MainWindow::layoutAreas()
{
    if (inLayout_)
        return;
    const int pane = state_.leftPaneWidth();
    const int tabHeight = groupTabs_ ? groupTabs_->heightForWidth(std::max(width() - pane, 0)) : 0;
    areas_ = layoutWindow(size(), state_.topBarHeight(), pane, tabHeight);
    topBar_->setGeometry(areas_.topBar);
    topBar_->setVisible(!areas_.topBar.isEmpty());
    leftPane_->setGeometry(areas_.leftPane);
    leftPane_->setGeometryInfo({areas_.leftPane.top(), areas_.leftPane.width(), areas_.leftPane.height(), width(),
                                QFontMetrics(font()).height(), state_.framePaneSplit()});
    leftPane_->setVisible(!areas_.leftPane.isEmpty());
    if (groupTabs_)
        groupTabs_->setGeometry(areas_.tabRow);
    if (currentPage_) {
        currentPage_->setGeometry(areas_.central);
        currentPage_->setVisible(!areas_.central.isEmpty());
    }
    update();
}

void MainWindow::applyFrame()
{
    topBar_->setFullScreenFrame(state_.appFullScreen);
    if (currentPage_)
        currentPage_->setPictureOnly(state_.pictureOnly);
    applyViewerModes();
    layoutAreas();
    // The focus must not stay in a hidden bar or pane.
    if (focusWidget() && !focusWidget()->isVisibleTo(this))
        setFocus();
    updateButtons();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutAreas();
}

void MainWindow::enterFullScreenFrame(bool savePlacement)
{
    if (state_.appFullScreen)
        return;
    inLayout_ = true;
    if (savePlacement)
        normalPlacement_ = saveGeometry();
    const QRect screenRect = screen()->geometry();
    const bool visible = isVisible();
    setWindowFlag(Qt::FramelessWindowHint, true);
    setGeometry(screenRect);
    state_.appFullScreen = true;
    if (visible) {
        show();
        activateWindow();
    }
    inLayout_ = false;
    applyFrame();
}

void MainWindow::leaveFullScreenFrame()
{
    if (!state_.appFullScreen)
        return;
    inLayout_ = true;
    const bool visible = isVisible();
    setWindowFlag(Qt::FramelessWindowHint, false);
    state_.appFullScreen = false;
    if (normalPlacement_.isEmpty() || !restoreGeometry(normalPlacement_)) {
        const QScreen* current = screen();
        setGeometry(defaultNormalFrame(current->size()).translated(current->geometry().topLeft()));
    }
    normalPlacement_.clear();
    if (visible) {
        show();
        activateWindow();
    }
    inLayout_ = false;
    applyFrame();
}

void MainWindow::togglePictureOnly()
{
    switch (pictureOnlyAction(state_, autoShow_->running(), lists_.current().count())) {
    case PictureOnlyAction::Enter:
        state_.pictureOnly = true;
        applyFrame();
        break;
    case PictureOnlyAction::Leave:
        state_.pictureOnly = false;
        applyFrame();
        if (state_.selectionViewVisible)
            currentPictureChanged();
        break;
    case PictureOnlyAction::StopAutoShow:
        autoShow_->stop();
        break;
    case PictureOnlyAction::Nothing:
        break;
    }
}

void MainWindow::storeState()
{
    storeMainWindowState(state_, store_);
    topBar_->addressField()->saveHistory(store_);
    folderPane_->storeLastFolder();
    favorites_.save(store_);
    const QByteArray placement = state_.appFullScreen ? normalPlacement_ : saveGeometry();
    if (!placement.isEmpty())
        store_.setBin(SettingsStore::name(setting::WindowPlacement), placement);
}

void MainWindow::setSelectionViewVisible(bool visible)
{
    state_.selectionViewVisible = visible;
    layoutAreas();
}

} // namespace vistello

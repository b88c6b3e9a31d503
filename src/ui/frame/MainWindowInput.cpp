// The main window's input: keys (accelerators first, then the viewer's and
// the page's; Esc steps back one level at a time) and files dropped onto it.
#include "ui/frame/MainWindow.h"

#include "ui/folders/FolderPaneController.h"

#include "app/window/frame/Accelerators.h"
#include "app/window/frame/CommandIds.h"
#include "app/window/frame/DisplayStyle.h"
#include "app/window/frame/DropDecision.h"
#include "app/window/frame/StyleMachine.h"
#include "app/window/viewer/ViewerButtons.h"
#include "core/lists/DroppedFiles.h"
#include "core/lists/PictureLists.h"
#include "imaging/decode/DecodedPicture.h"
#include "ui/common/FileDrag.h"
#include "ui/common/WindowPage.h"
#include "ui/folders/FolderTree.h"
#include "ui/taskpane/TaskPaneController.h"
#include "ui/frame/LeftPane.h"
#include "ui/frame/TopBar.h"
#include "ui/viewer/AutoShowController.h"
#include "ui/viewer/ViewerController.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace vistello {

namespace {

bool isTextField(const QWidget* widget)
{
    // An editable combo box takes the focus for its line edit.
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->isEditable();
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget)
        || qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget);
}

} // namespace

void MainWindow::escape()
{
    if (autoShow_->running()) {
        autoShow_->stop();
        return;
    }
    const EscapeContext context{leftPane_->dragging(), topBar_->isAncestorOf(focusWidget()) && isTextField(focusWidget())};
    switch (escapeStep(state_, context)) {
    case EscapeStep::EndCapture:
        leftPane_->cancelDrag();
        if (QWidget* grabber = QWidget::mouseGrabber())
            grabber->releaseMouse();
        break;
    case EscapeStep::CancelAddressEdit:
        topBar_->cancelAddressEdit();
        setFocus();
        break;
    case EscapeStep::CloseTaskPage:
        taskPane_->closePage();
        break;
    case EscapeStep::LeavePictureTab:
        setDisplayStyle(styleAfterPictureTab(state_));
        break;
    case EscapeStep::LeavePictureOnly:
        togglePictureOnly();
        break;
    case EscapeStep::Nothing:
        break;
    }
}

void MainWindow::switchFocus()
{
    QWidget* tree = folderTree_;
    if (focusWidget() == tree || !tree->isVisible())
        setFocus();
    else
        tree->setFocus();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (currentPage_ && currentPage_->pageKey(event->key()))
        return;
    QWidget::keyPressEvent(event);
}

bool MainWindow::eventFilter(QObject* object, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || widget->window() != this)
        return false;
    if (type == QEvent::MouseButtonPress) {
        const std::optional<int> step = routeMouseButton(static_cast<QMouseEvent*>(event)->button());
        if (!step)
            return false;
        runCommand(*step);
        return true;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    autoShow_->restartDelay(); // any key, an accelerator too
    // A tree label being edited takes Esc to cancel the edit.
    if (key->key() == Qt::Key_Escape && isTextField(focusWidget()) && folderTree_->isAncestorOf(focusWidget()))
        return false;
    const std::optional<Accelerator> hit = routeKey(key->keyCombination(), {isTextField(focusWidget())});
    if (!hit) {
        QWidget* focused = focusWidget();
        if (isTextField(focused) || (focused && leftPane_->isAncestorOf(focused)))
            return false;
        return viewer_->key(*key, [this](int pressed) { return currentPage_ && currentPage_->pageKey(pressed); });
    }
    if (hit->inMemoryOnly) {
        viewer_->command(hit->command == command::RotateRight ? viewer::RotateRight : viewer::RotateLeft, true);
        return true;
    }
    runCommand(hit->command);
    return true;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!draggedFilePaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

// Files dropped from outside become the dropped-pictures list.
void MainWindow::dropEvent(QDropEvent* event)
{
    const QStringList paths = draggedFilePaths(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    if (folderPane_->dropIntoFolder(paths, event->position().toPoint()))
        return;
    if (decideDrop({true, event->source() != nullptr, false}) != DropAction::ReplaceList)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (lists_.applyDrop(collectDroppedFiles(paths))) {
        if (!(state_.displayStyle & style::PictureStyles))
            setDisplayStyle(style::Picture);
        clearEverywhere();
        currentPictureChanged();
    }
    QApplication::restoreOverrideCursor();
}

} // namespace vistello

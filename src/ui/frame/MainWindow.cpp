#include "ui/frame/MainWindow.h"

#include "app/window/frame/Accelerators.h"
#include "app/window/frame/AutoFolderView.h"
#include "app/window/frame/CommandEnabling.h"
#include "app/window/frame/CommandIds.h"
#include "app/window/frame/DisplayStyle.h"
#include "app/window/script/StateJson.h"
#include "app/window/frame/StyleMachine.h"
#include "app/window/viewer/AutoShow.h"
#include "app/window/viewer/ColourMeasure.h"
#include "app/window/viewer/ViewerKeys.h"
#include "jpegedit/batch/PictureTransform.h"
#include "core/filetypes/CompanionSound.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/DroppedFiles.h"
#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/DecodedPicture.h"
#include "media/SoundPlayer.h"
#include "organize/filecommands/FileCommands.h"
#include "organize/folders/AddressTarget.h"
#include "platform/FileOperations.h"
#include "resources/FolderStrings.h"
#include "ui/folders/AddressField.h"
#include "ui/pictureinfo/BinaryViewPage.h"
#include "platform/MediaSupport.h"
#include "ui/common/FileDrag.h"
#include "ui/pictureinfo/HistogramPage.h"
#include "organize/folders/FolderInfoText.h"
#include "organize/folders/FolderRenameBroadcast.h"
#include "platform/FileOperations.h"
#include "platform/FolderPath.h"
#include "ui/folders/DropMenu.h"
#include "ui/common/FileDrag.h"
#include "ui/folders/FolderPaneController.h"
#include "ui/folders/FolderTree.h"
#include "ui/information/InformationPage.h"
#include "ui/frame/LeftPane.h"
#include "ui/overview/OverviewPage.h"
#include "ui/overview/OverviewStripController.h"
#include "ui/strip/PictureExtrasMenu.h"
#include "ui/pictureinfo/PictureDataPage.h"
#include "ui/viewer/PicturePage.h"
#include "ui/viewer/PictureView.h"
#include "ui/common/PlaceholderPage.h"
#include "ui/strip/PreviewStrip.h"
#include "ui/common/TabRow.h"
#include "ui/frame/TopBar.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QToolTip>

namespace vistello {

namespace {

// A colour setting (red + 256 green + 65536 blue); negative: not set.
QColor settingColour(int value, QColor fallback)
{
    if (value < 0)
        return fallback;
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

bool isTextField(const QWidget* widget)
{
    // An editable combo box takes the focus for its line edit.
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->isEditable();
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget)
        || qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget);
}

QJsonArray rectJson(QRect rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

} // namespace

MainWindow::MainWindow(const MainWindowSetup& setup)
    : store_(setup.store)
    , lists_(setup.lists)
    , prompts_(setup.prompts)
    , folder_(setup.folder)
    , includeSubfolders_(setup.includeSubfolders)
    , state_(loadMainWindowState(setup.store))
    , fileCommands_(std::make_unique<FileCommands>(
          FileCommandContext{setup.lists, setup.store, setup.prompts, realFileOperations(),
                             [this](const QString& folder) { folderTree_->folders().refreshFolder(folder); }, {}, {}}))
    , topBar_(new TopBar(this))
    , leftPane_(new LeftPane(this))
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QLatin1Char(' ') + QString::fromLatin1(SettingsStore::kProductName));
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    QFont uiFont = font();
    uiFont.setPixelSize(13);
    setFont(uiFont);
    background_ = settingColour(store_.getInt(QStringLiteral("BackgroundColor"), -1), Qt::white);
    pictureOnlyBackground_ = settingColour(store_.getInt(QStringLiteral("BackgroundColorFullScreen"), 0), Qt::black);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, background_);
    colours.setColor(QPalette::Window, background_);
    setPalette(colours);
    setAutoFillBackground(true);
    leftPane_->setShowSplitLines(store_.getBool(QStringLiteral("ShowSplitLines"), true));
    topBar_->addressField()->loadHistory(store_);
    topBar_->setAddress(folder_);

    connect(topBar_, &TopBar::commandChosen, this, [this](int id) { runCommand(id); });
    connect(topBar_, &TopBar::addressEntered, this, &MainWindow::openAddress);
    connect(leftPane_, &LeftPane::paneWidthDropped, this, [this](int lineX) {
        state_.framePaneWidth() = paneWidthAfterDrag(lineX);
        layoutAreas();
    });
    connect(leftPane_, &LeftPane::splitDropped, this, [this](int split) {
        state_.framePaneSplit() = split;
        layoutAreas();
    });

    createFolderTree();

    autoShowTimer_.setObjectName(QStringLiteral("autoShowTimer"));
    connect(&autoShowTimer_, &QTimer::timeout, this, &MainWindow::autoShowTick);

    // Accelerators come before any other key handling in this window.
    qApp->installEventFilter(this);

    const uint64_t first = state_.displayStyle;
    state_.displayStyle = 0;
    setDisplayStyle(first);
    applyFrame();
    currentPictureChanged();
    if (!folder_.isEmpty())
        folderTree_->showFolder(folder_);
    else if (lists_.currentId() == ListId::CommandLinePictures)
        folderTree_->showList(FolderTreeModel::ItemKind::CommandLineList);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

void MainWindow::restorePlacement()
{
    QByteArray placement;
    store_.getBin(QStringLiteral("WindowPlacement"), placement);
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
        startAutoShow();
}

CommandContext MainWindow::commandContext() const
{
    return {lists_.current().count(), state_.displayStyle, state_.pictureOnly, state_.appFullScreen,
            autoShowRunning_};
}

WindowPage* MainWindow::page(PageId id)
{
    if (const auto found = pages_.find(id); found != pages_.end())
        return found->second;
    WindowPage* created = nullptr;
    if (id == PageId::Picture) {
        auto* picture = new PicturePage(lists_, this);
        picture->setBackgrounds(background_, pictureOnlyBackground_);
        listViews_->setUpStrip(*picture->previewStrip());
        connect(picture, &PicturePage::showPicture, this, &MainWindow::showPicture);
        connect(picture, &PicturePage::styleChosen, this, &MainWindow::setDisplayStyle);
        connect(picture, &PicturePage::viewDoubleClicked, this, [this] { runCommand(command::PictureOnly); });
        picture->binaryView()->setSettings(&store_);
        PictureView* view = picture->view();
        ViewerSettings settings;
        settings.infoBoxState = store_.getInt(QStringLiteral("ExifInfoInPicture"), 2);
        settings.textInPictureOnly = store_.getBool(QStringLiteral("PicturetextInFullscreen"), false);
        settings.buttonsInPictureOnly = store_.getBool(QStringLiteral("ControlButtonsInFullscreen"), false);
        settings.textColour = settingColour(store_.getInt(QStringLiteral("TextColor"), 0), Qt::black);
        settings.transitions = store_.getBool(QStringLiteral("Transitions"), true);
        settings.transitionDelay = store_.getInt(QStringLiteral("TransitionsDelay"), 1);
        settings.panoramaAutoScroll = store_.getBool(QStringLiteral("PanoramaAutoScroll"), true);
        settings.panoramaSpeed = store_.getInt(QStringLiteral("PanoramaAutoScrollSpeed"), 2);
        settings.antiAlias = store_.getBool(QStringLiteral("AntiAliasResizing"), true);
        settings.autoRotate = store_.getBool(QStringLiteral("Orientation"), true);
        settings.cacheSize = store_.getInt(QStringLiteral("PictureCacheSize"), 4);
        view->setSettings(settings);
        connect(view, &PictureView::scrolled, this, [this] {
            if (autoShowRunning_)
                autoShowTimer_.start(); // a scroll restarts the delay
        });
        connect(view, &PictureView::commandChosen, this, &MainWindow::viewerCommand);
        connect(view, &PictureView::stepRequested, this, [this](int delta) {
            runCommand(delta > 0 ? command::NextPicture : command::PreviousPicture);
        });
        connect(view, &PictureView::infoBoxStateChanged, this,
                [this](int state) { store_.setInt(QStringLiteral("ExifInfoInPicture"), state); });
        picture->pictureData()->setServices(prompts_, store_);
        connect(picture->pictureData(), &PictureDataPage::pictureRewritten, this, [this](const QString& path) {
            dropPathEverywhere(path);
            currentPictureChanged();
        });
        connect(view, &PictureView::coloursMeasured, this, &MainWindow::coloursMeasured);
        created = picture;
    } else if (id == PageId::Information) {
        auto* information = new InformationPage(this);
        connect(information, &InformationPage::back, this,
                [this] { setDisplayStyle(state_.lastPictureStyle); });
        created = information;
    } else if (id == PageId::Overview) {
        auto* overview = new OverviewPage(lists_, store_.getBool(QStringLiteral("UserSelect"), true), this);
        listViews_->setUpOverview(*overview);
        created = overview;
    } else {
        created = new PlaceholderPage(pageTitle(id), this);
    }
    created->hide();
    created->currentPictureChanged();
    pages_.emplace(id, created);
    return created;
}

void MainWindow::setDisplayStyle(uint64_t mask)
{
    WindowPage* old = currentPage_;
    const StyleChange change = vistello::setDisplayStyle(state_, mask);
    if (!change.changed)
        return;
    if (change.oldPageHides && old)
        old->hide();
    applyTabRowChange(int(change.tabRow));
    if (state_.displayStyle & style::OptionsGroup)
        store_.setFlag(QStringLiteral("OptionsSelection"), state_.displayStyle);
    if (autoShowRunning_ && state_.displayStyle != style::Picture)
        stopAutoShow(); // the show needs the picture page
    currentPage_ = page(pageOf(state_.displayStyle));
    currentPage_->showStyle(state_.displayStyle);
    currentPage_->setPictureOnly(state_.pictureOnly);
    currentPage_->show();
    layoutAreas();
    updateButtons();
    playSoundOfShownPicture();
}

void MainWindow::applyTabRowChange(int change)
{
    using Row = StyleChange::TabRow;
    switch (Row(change)) {
    case Row::CreateOptions:
    case Row::CreateHtml:
        delete groupTabs_;
        groupTabs_ = new TabRow(Row(change) == Row::CreateOptions ? TabRowId::Options : TabRowId::Html, this);
        connect(groupTabs_, &TabRow::styleChosen, this, &MainWindow::setDisplayStyle);
        groupTabs_->show();
        break;
    case Row::Destroy:
        delete groupTabs_;
        groupTabs_ = nullptr;
        break;
    case Row::Select:
    case Row::Keep:
        break;
    }
    if (groupTabs_)
        groupTabs_->setSelected(state_.displayStyle);
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

void MainWindow::updateButtons()
{
    topBar_->updateButtons(commandContext());
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
    switch (pictureOnlyAction(state_, autoShowRunning_, lists_.current().count())) {
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
        stopAutoShow();
        break;
    case PictureOnlyAction::Nothing:
        break;
    }
}

void MainWindow::escape()
{
    if (autoShowRunning_) {
        stopAutoShow();
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
        state_.taskPage = 0;
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

void MainWindow::stepPicture(int delta)
{
    PathArray& entries = lists_.current().entries();
    const int count = entries.count();
    if (count == 0)
        return;
    entries.setCurrentIndex(((entries.currentIndex() + delta) % count + count) % count);
    currentPictureChanged();
}

void MainWindow::showPicture(int index)
{
    PathArray& entries = lists_.current().entries();
    if (index < 0 || index >= entries.count())
        return;
    entries.setCurrentIndex(index);
    currentPictureChanged();
}

void MainWindow::enter()
{
    if (auto* picture = qobject_cast<PicturePage*>(currentPage_))
        picture->showFocused();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (currentPage_ && currentPage_->pageKey(event->key()))
        return;
    QWidget::keyPressEvent(event);
}

void MainWindow::updateList()
{
    PictureList& list = lists_.current();
    if (list.kind() == ListKind::Folder && !folder_.isEmpty())
        list.rescanKeepingIndex(folder_, includeSubfolders_);
    currentPictureChanged();
}

void MainWindow::selectAll()
{
    PictureList& list = lists_.current();
    list.selection().copyFrom(list.entries());
    currentPictureChanged(); // the views show the selection
}

void MainWindow::goToFolder(const QString& text)
{
    folderPane_->goToFolder(text);
}

void MainWindow::openFolder(const QString& folder, bool withSubfolders)
{
    folderPane_->openFolder(folder, withSubfolders);
}

void MainWindow::updateDriveLine()
{
    folderPane_->updateDriveLine();
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
    if (dropIntoFolder(paths, event->position().toPoint()))
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

// The window's picture lists are the preview strip and the overview.
bool MainWindow::onPictureList(QPoint at) const
{
    const QWidget* target = childAt(at);
    const auto overview = pages_.find(PageId::Overview);
    return target
        && (target->objectName() == QLatin1String("previewStrip")
            || (overview != pages_.end() && currentPage_ == overview->second
                && (target == currentPage_ || currentPage_->isAncestorOf(target))));
}

bool MainWindow::dropIntoFolder(const QStringList& paths, QPoint at)
{
    return folderPane_->dropIntoFolder(paths, at);
}

void MainWindow::transferDropped(const QStringList& paths, const QString& folder, QPoint globalAt)
{
    folderPane_->transferDropped(paths, folder, globalAt);
}

// Where pasted pictures go: the folder shown, else the current picture's.
QString MainWindow::pictureFolder() const
{
    if (!folder_.isEmpty())
        return folder_;
    const PictureList& list = lists_.current();
    return list.count() > 0 ? QFileInfo(list.currentPath()).path() + QLatin1Char('/') : QString();
}

void MainWindow::deletePictures()
{
    const bool ctrlHeld = QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier;
    if (fileCommands_->deletePictures(ctrlHeld))
        currentPictureChanged();
}

void MainWindow::pastePicture()
{
    const QImage image = QGuiApplication::clipboard()->image();
    const QString folder = pictureFolder();
    if (!image.isNull() && !folder.isEmpty() && fileCommands_->pasteFromClipboard(image, folder))
        currentPictureChanged();
}

void MainWindow::currentPictureChanged()
{
    // Without a preview strip yet, the shown picture is the selection.
    PictureList& list = lists_.current();
    if (list.count() > 0 && !list.selection().contains(list.currentPath()))
        list.selection().reset(list.currentPath());
    for (const auto& [id, created] : pages_)
        created->currentPictureChanged();
    updateButtons();
    showListBranches();
    playSoundOfShownPicture();
}

void MainWindow::runCommand(int id)
{
    if (command::isPageCommand(id)) {
        if (currentPage_)
            currentPage_->pageCommand(id);
        return;
    }
    if (!commandEnabled(id, commandContext()))
        return;
    switch (id) {
    case command::PictureOnly: togglePictureOnly(); break;
    case command::FullScreenFrame: enterFullScreenFrame(true); break;
    case command::NormalFrame: leaveFullScreenFrame(); break;
    case command::MinimizeWindow: showMinimized(); break;
    case command::Exit: close(); break;
    case command::Enter: enter(); break;
    case command::NextPicture: stepPicture(1); break;
    case command::PreviousPicture: stepPicture(-1); break;
    case command::Update: updateList(); break;
    case command::SelectAll: selectAll(); break;
    case command::Escape: escape(); break;
    case command::FocusSwitch: switchFocus(); break;
    case command::DeletePictures: deletePictures(); break;
    case command::PastePicture: pastePicture(); break;
    case command::FileDateFromExif: fileCommands_->setFileDateToExifDate(); break;
    case command::RestoreOriginal:
        if (fileCommands_->canRestoreOriginal())
            fileCommands_->restoreOriginal();
        currentPictureChanged();
        break;
    case command::AutoShow:
        if (autoShowRunning_)
            stopAutoShow();
        else
            startAutoShow();
        break;
    case command::Invert:
    case command::ColourMosaic:
        if (PictureView* view = pictureView())
            view->editInMemory(id);
        break;
    case command::InfoBox:
        if (PictureView* view = pictureView())
            view->cycleInfoBox();
        break;
    case command::ZoomMode:
        if (PictureView* view = pictureView())
            view->toggleZoom();
        break;
    case command::ChangeView:
        setDisplayStyle(state_.displayStyle == style::Overview ? style::Picture : style::Overview);
        break;
    default:
        if (const uint64_t target = styleForCommand(state_, id, store_.getFlag(QStringLiteral("OptionsSelection"),
                                                                                style::Settings)))
            setDisplayStyle(target);
        break;
    }
    updateButtons();
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
    // A tree label being edited takes Esc to cancel the edit.
    if (key->key() == Qt::Key_Escape && isTextField(focusWidget()) && folderTree_->isAncestorOf(focusWidget()))
        return false;
    const std::optional<Accelerator> hit = routeKey(key->keyCombination(), {isTextField(focusWidget())});
    if (!hit)
        return viewerKey(*key);
    if (hit->inMemoryOnly) {
        if (PictureView* view = pictureView())
            view->editInMemory(hit->command == command::RotateRight ? viewer::RotateRight : viewer::RotateLeft);
        return true;
    }
    runCommand(hit->command);
    return true;
}

PictureView* MainWindow::pictureView()
{
    if (state_.displayStyle != style::Picture || !currentPage_)
        return nullptr;
    auto* picture = qobject_cast<PicturePage*>(currentPage_);
    return picture ? picture->view() : nullptr;
}

void MainWindow::applyViewerModes()
{
    if (const auto found = pages_.find(PageId::Picture); found != pages_.end())
        static_cast<PicturePage*>(found->second)->view()->setModes(state_.pictureOnly, autoShowRunning_);
}

bool MainWindow::viewerKey(const QKeyEvent& key)
{
    QWidget* focused = focusWidget();
    if (!pictureView() || isTextField(focused) || (focused && leftPane_->isAncestorOf(focused)))
        return false;
    PictureView* view = pictureView();
    view->finishTransition();
    view->startKeyClock();
    const ViewerKeyContext context{state_.pictureOnly, view->zoomOn(), key.isAutoRepeat()};
    if (autoShowRunning_)
        autoShowTimer_.start(); // any key restarts the delay
    const ViewerKey action = vistello::viewerKey(key.keyCombination(), context);
    // While the preview strip is shown these keys move its focus only.
    if ((action == ViewerKey::FocusNext || action == ViewerKey::FocusPrevious) && currentPage_
        && currentPage_->pageKey(key.key()))
        return true;
    switch (action) {
    case ViewerKey::ZoomIn: view->zoomIn(); return true;
    case ViewerKey::ZoomOut: view->zoomOut(); return true;
    case ViewerKey::MoveDown: view->moveZoomed({0, ZoomView::kMoveStep}); return true;
    case ViewerKey::MoveUp: view->moveZoomed({0, -ZoomView::kMoveStep}); return true;
    case ViewerKey::MoveRight: view->moveZoomed({ZoomView::kMoveStep, 0}); return true;
    case ViewerKey::MoveLeft: view->moveZoomed({-ZoomView::kMoveStep, 0}); return true;
    case ViewerKey::Ignore: return key.isAutoRepeat(); // a held key steps once per press
    case ViewerKey::ShowNext:
    case ViewerKey::FocusNext: // no strip: the shown picture steps
        runCommand(command::NextPicture);
        return true;
    case ViewerKey::ShowPrevious:
    case ViewerKey::FocusPrevious:
        runCommand(command::PreviousPicture);
        return true;
    case ViewerKey::ShowFirst:
        if (lists_.current().count() > 0) {
            lists_.current().entries().setCurrentIndex(0);
            currentPictureChanged();
        }
        return true;
    default: return false;
    }
}

void MainWindow::viewerCommand(int id, bool withCtrl)
{
    PictureView* view = pictureView();
    if (!view)
        return;
    if (losslessRequest(id)) {
        if (withCtrl)
            view->editInMemory(id);
        else
            transformShownPicture(id);
        return;
    }
    switch (id) {
    case viewer::AutoRotate: transformShownPicture(id); break;
    case viewer::Delete: deleteShownPicture(); break;
    case viewer::RestoreOriginal: restoreShownPicture(); break;
    case viewer::BackToNormal: runCommand(command::PictureOnly); break;
    case viewer::StopShow: stopAutoShow(); break;
    case viewer::EnableZoom:
    case viewer::DisableZoom: view->toggleZoom(); break;
    case viewer::ZoomIn: view->zoomIn(); break;
    case viewer::ZoomOut: view->zoomOut(); break;
    case viewer::MoveDown: view->moveZoomed({0, ZoomView::kMoveStep}); break;
    case viewer::MoveUp: view->moveZoomed({0, -ZoomView::kMoveStep}); break;
    case viewer::MoveRight: view->moveZoomed({ZoomView::kMoveStep, 0}); break;
    case viewer::MoveLeft: view->moveZoomed({-ZoomView::kMoveStep, 0}); break;
    default: break;
    }
}

void MainWindow::transformShownPicture(int id)
{
    PictureView* view = pictureView();
    if (!view || !view->pictureOk())
        return;
    PictureTransformOptions options;
    options.autoRotate = id == viewer::AutoRotate;
    if (!options.autoRotate)
        options.request = *losslessRequest(id);
    options.request.adjustThumbnails = true;
    options.copyOriginal = store_.getBool(QStringLiteral("CopyOriginal"), true);
    options.removeFailedCopy = true;
    const QString path = view->path();
    const PictureTransformResult result = transformPicture(path, options);
    if (!result.ok() && !result.skipped)
        prompts_.inform(QString::fromLatin1(SettingsStore::kProductName),
                        result.outcome.libraryMessage.isEmpty() ? path : result.outcome.libraryMessage);
    dropPathEverywhere(path);
    view->reload();
}

void MainWindow::startAutoShow()
{
    if (!autoShowCanStart(lists_.current().count()))
        return;
    fullScreenBeforeShow_ = state_.appFullScreen;
    if (state_.displayStyle != style::Picture)
        setDisplayStyle(style::Picture);
    autoShowRunning_ = true;
    state_.pictureOnly = true;
    enterFullScreenFrame(true);
    applyFrame();
    autoShowTimer_.start(autoShowIntervalMs(store_.getInt(QStringLiteral("AutoShowDelay"), 10)));
}

void MainWindow::stopAutoShow()
{
    if (!autoShowRunning_)
        return;
    autoShowTimer_.stop();
    autoShowRunning_ = false;
    state_.pictureOnly = false;
    if (!fullScreenBeforeShow_)
        leaveFullScreenFrame();
    applyFrame();
}

void MainWindow::autoShowTick()
{
    const PictureView* view = pictureView();
    AutoShowBusy busy;
    busy.panoramaScrolling = view && view->panoramaScrolling();
    switch (vistello::autoShowTick(lists_.current().count(), busy)) {
    case AutoShowTick::Stop: stopAutoShow(); break;
    case AutoShowTick::Next: stepPicture(1); break;
    case AutoShowTick::Wait: break;
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
        store_.setBin(QStringLiteral("WindowPlacement"), placement);
}

QJsonObject MainWindow::stateJson() const
{
    QJsonObject window = windowStateJson(state_, areas_.central);
    window.insert(QStringLiteral("frameRect"), rectJson(frameGeometry()));
    window.insert(QStringLiteral("clientSize"), QJsonArray{width(), height()});
    window.insert(QStringLiteral("screenRect"), rectJson(screen()->geometry()));
    const QWidget* focused = focusWidget();
    window.insert(QStringLiteral("focus"), focused ? focused->objectName() : QString());
    QJsonObject state{{QStringLiteral("window"), window},
                      {QStringLiteral("list"), listStateJson(lists_)},
                      {QStringLiteral("autoShow"), QJsonObject{{QStringLiteral("running"), autoShowRunning_}}}};
    if (const auto found = pages_.find(PageId::Picture); found != pages_.end()) {
        const auto* page = static_cast<const PicturePage*>(found->second);
        state.insert(QStringLiteral("viewer"), page->view()->stateJson());
        state.insert(QStringLiteral("preview"), previewStateJson(page->previewStrip()->model()));
        state.insert(QStringLiteral("pictureTabs"), page->tabsJson());
        state.insert(QStringLiteral("binary"), page->binaryView()->stateJson());
        state.insert(QStringLiteral("histogram"), page->histogramView()->stateJson());
        state.insert(QStringLiteral("pictureData"), page->pictureData()->stateJson());
    }
    if (const auto found = pages_.find(PageId::Overview); found != pages_.end()) {
        const auto* overview = static_cast<const OverviewPage*>(found->second);
        QJsonObject overviewState =
            overviewStateJson(overview->itemCount(), overview->tilesDone(), overview->currentItemVisible());
        const QJsonObject loader = overview->loaderStateJson();
        for (auto it = loader.begin(); it != loader.end(); ++it)
            overviewState.insert(it.key(), it.value());
        state.insert(QStringLiteral("overview"), overviewState);
    }
    const AddressField* address = topBar_->addressField();
    state.insert(QStringLiteral("address"),
                 QJsonObject{{QStringLiteral("text"), address->currentText()},
                             {QStringLiteral("history"), QJsonArray::fromStringList(address->history().entries())},
                             {QStringLiteral("suggestions"), QJsonArray::fromStringList(address->shownSuggestions())}});
    state.insert(QStringLiteral("clipboardText"), QGuiApplication::clipboard()->text());
    QJsonObject tree = folderTree_->stateJson();
    tree.insert(QStringLiteral("driveLine"), driveLine_->text());
    state.insert(QStringLiteral("tree"), tree);
    return state;
}

void MainWindow::setSelectionViewVisible(bool visible)
{
    state_.selectionViewVisible = visible;
    layoutAreas();
}

bool MainWindow::overviewComplete() const
{
    const auto found = pages_.find(PageId::Overview);
    if (found == pages_.end())
        return false;
    const auto* overview = static_cast<const OverviewPage*>(found->second);
    return overview->tilesDone() == overview->itemCount();
}

void MainWindow::showPictureExtrasMenu(const QString& path, QPoint globalPos)
{
    listViews_->showPictureExtrasMenu(path, globalPos);
}

void MainWindow::pictureSoundFor(int index)
{
    listViews_->pictureSoundFor(index);
}

void MainWindow::pointerInList(int x)
{
    listViews_->pointerInList(x);
}

void MainWindow::openAddress(const QString& text)
{
    folderPane_->openAddress(text);
}

void MainWindow::showFolderPane()
{
    folderPane_->showFolderPane();
}

void MainWindow::createFolderTree()
{
    folderPane_ = new FolderPaneController(
        {store_, lists_, prompts_, *fileCommands_, state_, folder_, includeSubfolders_, favorites_, *this},
        {[this] { currentPictureChanged(); }, [this](const QString& folder) { topBar_->setAddress(folder); },
         [this](int index) { showPicture(index); },
         [this](uint64_t mask) { setDisplayStyle(mask); }, [this] { applyFrame(); },
         [this](QPoint at) { return onPictureList(at); }});
    leftPane_->setFolderTree(folderPane_->panel());
    folderTree_ = folderPane_->tree();
    driveLine_ = folderPane_->driveLine();
    listViews_ = new OverviewStripController(
        *this, store_, lists_, prompts_, state_,
        {[this] { currentPictureChanged(); }, [this](int index) { showPicture(index); },
         [this](int index) {
             showPicture(index);
             setDisplayStyle(style::Picture);
         },
         [this] { runCommand(command::PictureOnly); }, [this](const QString& path) { playSoundOf(path); },
         [this](bool visible) { setSelectionViewVisible(visible); },
         [this] { return lists_.currentCaption(folder_); },
         [this] { return leftPane_->isVisible() || state_.autoSelectionView; }});
}

void MainWindow::openList(FolderTreeModel::ItemKind list)
{
    folderPane_->openList(list);
}

void MainWindow::showListBranches()
{
    folderPane_->showListBranches();
}

void MainWindow::folderRenamed(const QString& oldFolder, const QString& newFolder)
{
    folderPane_->folderRenamed(oldFolder, newFolder);
}

void MainWindow::coloursMeasured(const ColourAverages& averages)
{
    if (!offerRawMultipliers(prompts_, store_, averages))
        return;
    clearEverywhere(); // raw pictures decode with the new multipliers
    if (PictureView* view = pictureView())
        view->reload();
}

void MainWindow::playSoundOfShownPicture()
{
    if (const PictureView* view = pictureView())
        playSoundOf(view->path());
}

// One rule for the viewer and the overview: a picture's sound starts once, and stops the one playing.
void MainWindow::playSoundOf(const QString& path)
{
    const SoundPlan plan = soundRule_.pictureShown(path, store_.getBool(QStringLiteral("PicturesWithAudio"), true));
    if (plan.stopPlaying && soundPlayer_)
        soundPlayer_->stop();
    if (!plan.plays() || !mediaPlaybackAvailable())
        return;
    if (!soundPlayer_)
        soundPlayer_ = new SoundPlayer(this);
    if (!plan.file.isEmpty())
        soundPlayer_->playFile(plan.file);
    else
        soundPlayer_->playData(plan.data);
}

void MainWindow::deleteShownPicture()
{
    const PictureView* view = pictureView();
    const bool ctrlHeld = QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier;
    if (view && fileCommands_->deletePicture(view->path(), ctrlHeld))
        currentPictureChanged();
}

void MainWindow::restoreShownPicture()
{
    if (PictureView* view = pictureView(); view && fileCommands_->restoreOriginalOf(view->path()))
        view->reload();
    updateButtons();
}

} // namespace vistello

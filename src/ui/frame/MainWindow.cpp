#include "ui/frame/MainWindow.h"

#include "app/window/frame/AutoFolderView.h"
#include "app/window/frame/CommandEnabling.h"
#include "app/window/frame/CommandIds.h"
#include "app/window/frame/DisplayStyle.h"
#include "app/window/frame/SettingColour.h"
#include "app/window/frame/Splitters.h"
#include "app/window/frame/StyleMachine.h"
#include "app/window/viewer/ButtonStrip.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/DecodedPicture.h"
#include "organize/comments/CommentStore.h"
#include "organize/filecommands/FileCommands.h"
#include "organize/folders/AddressTarget.h"
#include "organize/folders/FolderInfoText.h"
#include "organize/folders/FolderRenameBroadcast.h"
#include "platform/FileOperations.h"
#include "platform/FolderPath.h"
#include "resources/FolderStrings.h"
#include "ui/common/FileDrag.h"
#include "ui/common/WindowPage.h"
#include "ui/folders/AddressField.h"
#include "ui/folders/DropMenu.h"
#include "ui/folders/FolderPaneController.h"
#include "ui/folders/FolderTree.h"
#include "ui/frame/FileCommandRunner.h"
#include "ui/frame/LeftPane.h"
#include "ui/frame/TopBar.h"
#include "ui/overview/OverviewStripController.h"
#include "ui/strip/PictureExtrasMenu.h"
#include "ui/viewer/AutoShowController.h"
#include "ui/viewer/PicturePage.h"
#include "ui/viewer/ViewerController.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QVBoxLayout>

namespace vistello {

MainWindow::MainWindow(const MainWindowSetup& setup)
    : store_(setup.store)
    , lists_(setup.lists)
    , prompts_(setup.prompts)
    , folder_(setup.folder)
    , includeSubfolders_(setup.includeSubfolders)
    , state_(loadMainWindowState(setup.store))
    , fileCommands_(std::make_unique<FileCommands>(
          FileCommandContext{setup.lists, setup.store, setup.prompts, realFileOperations(),
                             [this](const QString& folder) { folderTree_->folders().refreshFolder(folder); },
                             [](const QString& from, const QString& to) { CommentStore::instance().copy(from, to); },
                             [](const QString& from, const QString& to) { CommentStore::instance().move(from, to); }}))
    , topBar_(new TopBar(this))
    , leftPane_(new LeftPane(this))
    , fileRunner_(std::make_unique<FileCommandRunner>(*fileCommands_, lists_, prompts_,
                                                      [this] { currentPictureChanged(); }))
    , autoShow_(new AutoShowController(store_, autoShowHost(), this))
    , viewer_(new ViewerController(store_, prompts_, lists_, *fileCommands_, *autoShow_, viewerHost(), this))
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QLatin1Char(' ') + QString::fromLatin1(SettingsStore::kProductName));
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    QFont uiFont = font();
    uiFont.setPixelSize(13);
    setFont(uiFont);
    background_ = settingColour(store_.get(setting::BackgroundColor), Qt::white);
    pictureOnlyBackground_ = settingColour(store_.get(setting::BackgroundColorFullScreen), Qt::black);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, background_);
    colours.setColor(QPalette::Window, background_);
    setPalette(colours);
    setAutoFillBackground(true);
    leftPane_->setShowSplitLines(store_.get(setting::ShowSplitLines));
    topBar_->addressField()->loadHistory(store_);
    topBar_->setAddress(folder_);

    connect(topBar_, &TopBar::commandChosen, this, [this](int id) { runCommand(id); });
    connect(topBar_, &TopBar::addressEntered, this, [this](const QString& text) { folderPane_->openAddress(text); });
    connect(leftPane_, &LeftPane::paneWidthDropped, this, [this](int lineX) {
        state_.framePaneWidth() = paneWidthAfterDrag(lineX);
        layoutAreas();
    });
    connect(leftPane_, &LeftPane::splitDropped, this, [this](int split) {
        state_.framePaneSplit() = split;
        layoutAreas();
    });

    createFolderTree();
    createTaskPane();

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

CommandContext MainWindow::commandContext() const
{
    return {lists_.current().count(), state_.displayStyle, state_.pictureOnly, state_.appFullScreen,
            autoShow_->running()};
}

void MainWindow::updateButtons()
{
    topBar_->updateButtons(commandContext());
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

void MainWindow::selectAll()
{
    PictureList& list = lists_.current();
    list.selection().copyFrom(list.entries());
    currentPictureChanged(); // the views show the selection
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

// Where pasted pictures go: the folder shown, else the current picture's.
QString MainWindow::pictureFolder() const
{
    if (!folder_.isEmpty())
        return folder_;
    const PictureList& list = lists_.current();
    return list.count() > 0 ? QFileInfo(list.currentPath()).path() + QLatin1Char('/') : QString();
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
    folderPane_->showListBranches();
    viewer_->playSoundOfShownPicture();
    selectionChanged();
}

void MainWindow::runCommand(int id)
{
    if (command::isPageCommand(id)) {
        if (currentPage_)
            currentPage_->pageCommand(id);
        return;
    }
    if (!command::isKnown(id) && stripIndex(id) >= 0) { // a button of the viewer
        viewer_->command(id, false);
        updateButtons();
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
    case command::Update: fileRunner_->update(folder_, includeSubfolders_); break;
    case command::SelectAll: selectAll(); break;
    case command::Escape: escape(); break;
    case command::FocusSwitch: switchFocus(); break;
    case command::DeletePictures: fileRunner_->deletePictures(); break;
    case command::PastePicture: fileRunner_->pastePicture(pictureFolder()); break;
    case command::FileDateFromExif: fileRunner_->fileDateFromExif(); break;
    case command::RestoreOriginal: fileRunner_->restoreOriginal(); break;
    case command::AutoShow:
        if (autoShow_->running())
            autoShow_->stop();
        else
            autoShow_->start();
        break;
    case command::Invert:
    case command::ColourMosaic:
    case command::InfoBox:
    case command::ZoomMode: viewer_->command(id, false); break;
    case command::ChangeView:
        setDisplayStyle(state_.displayStyle == style::Overview ? style::Picture : style::Overview);
        break;
    default:
        if (taskCommand(id))
            break;
        if (const uint64_t target = styleForCommand(state_, id, store_.getFlag(SettingsStore::name(setting::OptionsSelection),
                                                                                style::Settings)))
            setDisplayStyle(target);
        break;
    }
    updateButtons();
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
         [this] { return leftPane_->isVisible() || state_.autoSelectionView; }, [this] { selectionChanged(); },
         [this](const QString& path) { pointerOverPicture(path); }});
}

void MainWindow::playSoundOf(const QString& path)
{
    viewer_->playSoundOf(path);
}

} // namespace vistello

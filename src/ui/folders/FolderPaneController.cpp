#include "ui/folders/FolderPaneController.h"

#include "app/window/frame/DisplayStyle.h"
#include "app/window/frame/MainWindowState.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "organize/filecommands/FileCommands.h"
#include "organize/folders/AddressTarget.h"
#include "organize/folders/BoundedTask.h"
#include "organize/folders/Favorites.h"
#include "organize/folders/FolderInfoText.h"
#include "organize/folders/FolderRenameBroadcast.h"
#include "organize/folders/FolderSwitch.h"
#include "platform/FolderPath.h"
#include "resources/FolderStrings.h"
#include "ui/folders/DropMenu.h"
#include "ui/folders/FolderTree.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

namespace vistello {

FolderPaneController::FolderPaneController(const FolderPaneSetup& setup, FolderPaneHooks hooks)
    : QObject(&setup.window)
    , s_(setup)
    , hooks_(std::move(hooks))
    , tree_(new FolderTree(setup.favorites, setup.prompts))
    , panel_(new QWidget)
    , driveLine_(new QLabel(panel_))
{
    s_.favorites.load(s_.store);
    tree_->folders().setShowInfo(s_.store.get(setting::ShellTreeJpegInfo));
    // The drive line sits under the tree: free space and how many more pictures of this folder fit.
    auto* column = new QVBoxLayout(panel_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(tree_, 1);
    driveLine_->setObjectName(QStringLiteral("driveLine"));
    driveLine_->setTextFormat(Qt::PlainText);
    driveLine_->setContentsMargins(3, 2, 3, 2);
    column->addWidget(driveLine_);
    panel_->setFocusProxy(tree_);
    connect(tree_, &FolderTree::folderChosen, this, &FolderPaneController::openFolder);
    connect(tree_, &FolderTree::listChosen, this, &FolderPaneController::openList);
    connect(tree_, &FolderTree::filesDropped, this, [this](const QStringList& paths, const QString& folder, QPoint at) {
        if (s_.fileCommands.dropOffersMenu(paths, folder))
            transferDropped(paths, folder, at);
    });
    connect(&tree_->folders(), &FolderTreeModel::folderRenamed, this, &FolderPaneController::folderRenamed);
}

void FolderPaneController::openFolder(const QString& folder, bool withSubfolders)
{
    const QString shown = s_.lists.currentId() == ListId::FolderPictures ? s_.folder : QString();
    s_.folder = withTrailingSlash(QDir::cleanPath(folder));
    showFolderList(s_.lists, shown, s_.folder, s_.includeSubfolders || withSubfolders);
    hooks_.showAddress(s_.folder);
    updateDriveLine();
    hooks_.currentPictureChanged();
}

void FolderPaneController::openList(FolderTreeModel::ItemKind list)
{
    using Kind = FolderTreeModel::ItemKind;
    s_.lists.setCurrent(list == Kind::CommandLineList ? ListId::CommandLinePictures
                        : list == Kind::DroppedList   ? ListId::DroppedPictures
                                                      : ListId::SearchResults);
    s_.folder.clear();
    hooks_.currentPictureChanged();
}

void FolderPaneController::openAddress(const QString& text)
{
    const AddressAction action = resolveAddress(text, PictureFileTypes::instance());
    switch (action.kind) {
    case AddressAction::Kind::Folder:
        goToFolder(action.path);
        showFolderPane();
        break;
    case AddressAction::Kind::Picture:
        goToFolder(QFileInfo(action.path).path());
        hooks_.showPicture(s_.lists.current().entries().find(0, action.path));
        if (!(s_.state.displayStyle & style::PictureStyles))
            hooks_.setDisplayStyle(style::Picture);
        showFolderPane();
        break;
    case AddressAction::Kind::OpenOutside:
        if (!QDesktopServices::openUrl(action.url))
            s_.prompts.inform(QString::fromLatin1(SettingsStore::kProductName),
                              strings::text(strings::kAddressNotOpened).arg(text.trimmed()));
        break;
    case AddressAction::Kind::Refused:
        s_.prompts.inform(QString::fromLatin1(SettingsStore::kProductName), action.message);
        break;
    }
}

void FolderPaneController::goToFolder(const QString& text)
{
    const QFileInfo folder(text.trimmed());
    if (!folder.isDir())
        return;
    openFolder(folder.absoluteFilePath(), false);
    tree_->showFolder(s_.folder);
    s_.window.setFocus();
}

// A folder chosen from the address field is shown with the folder pane.
void FolderPaneController::showFolderPane()
{
    if (!s_.state.pictureOnly && s_.state.selectionViewVisible)
        return;
    s_.state.pictureOnly = false;
    s_.state.selectionViewVisible = true;
    hooks_.applyFrame();
}

void FolderPaneController::storeLastFolder()
{
    // The folder shown, else the one selected in the tree while a list is shown.
    const bool shown = !s_.folder.isEmpty();
    vistello::storeLastFolder(s_.store, s_.lists, shown ? s_.folder : tree_->currentFolder(), shown);
}

void FolderPaneController::showListBranches()
{
    using Kind = FolderTreeModel::ItemKind;
    tree_->setListCount(Kind::CommandLineList, s_.lists.list(ListId::CommandLinePictures).count());
    tree_->setListCount(Kind::DroppedList, s_.lists.list(ListId::DroppedPictures).count());
    tree_->setListCount(Kind::SearchList, s_.lists.list(ListId::SearchResults).count());
}

// The free space and the folder's pictures are read off this thread: a hung
// mount holds the window no longer than the wait.
void FolderPaneController::updateDriveLine()
{
    constexpr int kWaitMs = 300;
    const int request = ++driveRequests_;
    const QString folder = s_.folder;
    const QPointer<FolderPaneController> self(this);
    const std::optional<QString> text = runBounded(
        [folder] { return vistello::driveLine(driveSpaceOf(folder), treeFolderStatistics(folder)); }, kWaitMs,
        [self, request](const QString& late) {
            if (QCoreApplication* app = QCoreApplication::instance())
                QMetaObject::invokeMethod(
                    app,
                    [self, request, late] {
                        if (self)
                            self->showDriveLine(request, late);
                    },
                    Qt::QueuedConnection);
        });
    if (text)
        showDriveLine(request, *text);
}

void FolderPaneController::showDriveLine(int request, const QString& text)
{
    if (request != driveRequests_)
        return; // another folder was chosen meanwhile
    driveLine_->setText(text);
    driveLine_->setVisible(!text.isEmpty());
}

bool FolderPaneController::dropIntoFolder(const QStringList& paths, QPoint at)
{
    const PictureList& list = s_.lists.current();
    if (!hooks_.onPictureList(at) || list.kind() != ListKind::Folder
        || !s_.fileCommands.dropOffersMenu(paths, s_.folder))
        return false;
    transferDropped(paths, s_.folder, s_.window.mapToGlobal(at));
    return true;
}

void FolderPaneController::transferDropped(const QStringList& paths, const QString& folder, QPoint globalAt)
{
    switch (askDropChoice(&s_.window, globalAt, s_.fileCommands.canCopyTo(folder))) {
    case DropChoice::Copy: s_.fileCommands.copyDropped(paths, folder); break;
    case DropChoice::Move: s_.fileCommands.moveDropped(paths, folder); break;
    case DropChoice::Cancel: break;
    }
    hooks_.currentPictureChanged();
}

void FolderPaneController::folderRenamed(const QString& oldFolder, const QString& newFolder)
{
    broadcastFolderRenamed(oldFolder, newFolder, {s_.lists, s_.favorites, s_.store});
    if (std::optional<QString> moved = pathAfterFolderMove(s_.folder, oldFolder, newFolder)) {
        s_.folder = *moved;
        hooks_.showAddress(s_.folder);
    }
    tree_->reloadFavorites();
    hooks_.currentPictureChanged();
}

} // namespace vistello

#pragma once
// The left pane's folder tree and drive line, and what choosing in them
// does to the window: opening folders and lists, the address field's
// targets, drops onto folders and folder renames. The window keeps the
// shown folder and its state; this class changes them through references.
#include "organize/folders/FolderTreeModel.h"

#include <QObject>
#include <QPoint>
#include <QStringList>
#include <functional>

class QLabel;
class QWidget;

namespace vistello {

class FavoritesList;
class FileCommands;
class FolderTree;
class PictureLists;
class Prompts;
class SettingsStore;
struct MainWindowState;

struct FolderPaneSetup {
    SettingsStore& store;
    PictureLists& lists;
    Prompts& prompts;
    FileCommands& fileCommands;
    MainWindowState& state;
    QString& folder; // the folder shown, ending in "/" (empty for other lists)
    bool& includeSubfolders;
    FavoritesList& favorites;
    QWidget& window;
};

// What the window does for the pane.
struct FolderPaneHooks {
    std::function<void()> currentPictureChanged;
    std::function<void(const QString&)> showAddress; // in the top bar's address field
    std::function<void(int)> showPicture;
    std::function<void(uint64_t)> setDisplayStyle;
    std::function<void()> applyFrame;
    // A point of the window lies on one of its picture lists (strip, overview).
    std::function<bool(QPoint)> onPictureList;
};

class FolderPaneController : public QObject {
    Q_OBJECT
public:
    FolderPaneController(const FolderPaneSetup& setup, FolderPaneHooks hooks);

    FolderTree* tree() const { return tree_; }
    // The tree with the drive line under it, for the left pane.
    QWidget* panel() const { return panel_; }
    QLabel* driveLine() const { return driveLine_; }

    void openFolder(const QString& folder, bool withSubfolders);
    void openList(FolderTreeModel::ItemKind list);
    // Enter in the address field: a folder, a picture in its folder, or the desktop's open action.
    void openAddress(const QString& text);
    void goToFolder(const QString& text);
    void showFolderPane();
    void showListBranches();
    void updateDriveLine();
    // Dragged pictures dropped onto a picture list of a folder: copy or move them there.
    bool dropIntoFolder(const QStringList& paths, QPoint at);
    void transferDropped(const QStringList& paths, const QString& folder, QPoint globalAt);
    void folderRenamed(const QString& oldFolder, const QString& newFolder);
    // At exit: the folder and its current picture for the next start.
    void storeLastFolder();

private:
    void showDriveLine(int request, const QString& text);

    FolderPaneSetup s_;
    FolderPaneHooks hooks_;
    FolderTree* tree_;
    QWidget* panel_;
    QLabel* driveLine_;
    int driveRequests_ = 0;
};

} // namespace vistello

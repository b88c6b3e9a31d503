#pragma once
// The folder tree in the left pane: a QTreeView over FolderTreeModel with
// the folder and favorite menus, in-place renames and drops onto folders.
// Choosing an item is reported to the window, which owns the lists; the
// window also decides what a drop does (the Copy/Move menu).
#include "organize/filecommands/ViewListener.h"
#include "organize/folders/FolderTreeModel.h"

#include <QJsonObject>
#include <QTreeView>

namespace vistello {

class FavoritesList;
class Prompts;

class FolderTree : public QTreeView, public ViewListener {
    Q_OBJECT
public:
    FolderTree(FavoritesList& favorites, Prompts& prompts, QWidget* parent = nullptr);

    FolderTreeModel& folders() { return model_; }
    // Selects the folder as "Go to" does (branches opened as needed) without
    // telling the window; false when the tree has no such folder.
    bool showFolder(const QString& folder);
    // The same for a list branch (while it is present).
    void showList(FolderTreeModel::ItemKind list);
    // These change rows; a selection that moves because its row went is no choice.
    void setListCount(FolderTreeModel::ItemKind list, int count);
    void reloadFavorites();
    // The folder of the selected item; empty for a list branch.
    QString currentFolder() const;

    // A folder or favorite menu command on an item, as chosen from its menu.
    void runMenuCommand(const QModelIndex& index, int command);

    // A picture's size changed, or everything is read again: the folder texts follow.
    void refreshAll() override;
    void pictureChanged(const QString& path) override;

    // {current, rows: [{text, path, rect [x, y, w, h] in window coordinates}]}
    // for the rows in view.
    QJsonObject stateJson() const;

Q_SIGNALS:
    // The user chose a folder, or a rescan (withSubfolders for this scan only).
    void folderChosen(const QString& folder, bool withSubfolders);
    void listChosen(vistello::FolderTreeModel::ItemKind list);
    // Local files dropped onto a folder item; at is global.
    void filesDropped(const QStringList& paths, const QString& folder, QPoint at);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QString dropFolderAt(QPoint viewportPoint) const;
    void selectQuietly(const QModelIndex& index);
    template <class Change> void quietly(Change change);
    void inform(const QString& text);

    FavoritesList& favorites_;
    Prompts& prompts_;
    FolderTreeModel model_;
    bool quiet_ = false; // selections made by the program are not choices
};

} // namespace vistello

#pragma once
// The folder tree as a lazy item model (QtCore only; the window shows it in
// a QTreeView). Top branches: "Favorites", the home folder, "/", mounted
// removable volumes, then the command-line, dropped-pictures and search
// lists while they have entries. A folder's sub-folders are listed when its
// branch opens (fetchMore); its "(count) (size)" is computed on a worker
// and cached per path until the folder is refreshed.
//
//   DisplayRole  label, and its information text when that is shown
//   EditRole     label; setData renames a folder (on disk, never replacing)
//                or a favorite; folderRenamed / favoriteNameTaken tell why
//   PathRole, KindRole, InfoRole
#include "organize/folders/FolderInfoWorker.h"
#include "organize/folders/FolderMenu.h"

#include <QAbstractItemModel>
#include <QHash>
#include <memory>
#include <vector>

namespace vistello {

class FavoritesList;

class FolderTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum class ItemKind { FavoritesBranch, Favorite, Folder, CommandLineList, DroppedList, SearchList };
    enum Role { PathRole = Qt::UserRole + 1, KindRole, InfoRole };

    // The favorites are the caller's (the window loads and saves them).
    explicit FolderTreeModel(FavoritesList& favorites, QObject* parent = nullptr);
    ~FolderTreeModel() override;

    // "ShellTreeJpegInfo".
    void setShowInfo(bool show);
    // Shows a list branch while count > 0, with "(count)" beside it.
    void setListCount(ItemKind list, int count);

    ItemKind kindOf(const QModelIndex& index) const;
    // Folder path with "/" (a favorite's folder for a favorite).
    QString pathOf(const QModelIndex& index) const;
    // Lists the branches down to folder (as "Go to" and the address field
    // do); invalid when it is not a folder under the tree's roots.
    QModelIndex indexOfFolder(const QString& folder);

    FolderFacts factsOf(const QModelIndex& index) const;
    // The folder commands; invalid index / false on failure (the window shows
    // the message with the path).
    QModelIndex addNewFolder(const QModelIndex& parent, const QString& baseName);
    bool removeFolder(const QModelIndex& index);
    QModelIndex addFavorite(const QModelIndex& folder, const QString& baseName);
    void removeFavorite(const QModelIndex& favorite);
    void reloadFavorites();
    // A file appeared in or left folder: its text is computed again, and its
    // sub-folders are listed again when they were listed.
    void refreshFolder(const QString& folder);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

Q_SIGNALS:
    // Connect to broadcastFolderRenamed: the folder was renamed on disk.
    void folderRenamed(const QString& oldFolder, const QString& newFolder);
    void favoriteNameTaken(const QString& name);

private:
    struct Node;
    Node* nodeOf(const QModelIndex& index) const;
    QModelIndex indexOfNode(Node* node) const;
    Node* listedNodeOf(const QString& folder) const;
    Node* addTop(ItemKind kind, const QString& label, const QString& path);
    void listChildren(Node* node);
    void insertFolderChild(Node* parent, const QString& name);
    void renamePaths(Node* node, const QString& oldFolder, const QString& newFolder);
    QString infoOf(Node* node) const;
    void infoArrived(const QString& folder, const QString& info);

    FavoritesList& favorites_;
    std::unique_ptr<Node> root_;
    bool showInfo_ = true;
    mutable QHash<QString, QString> infoCache_; // folder -> text; absent: not computed
    mutable QHash<QString, bool> infoAsked_;
    QHash<int, int> listCounts_;                // ItemKind -> count
    mutable FolderInfoWorker worker_;
};

} // namespace vistello

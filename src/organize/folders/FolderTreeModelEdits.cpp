// The folder tree's edits: in-place renames, new and removed folders,
// favorites, and a folder listed again after a change on disk.
#include "organize/folders/FolderTreeModel.h"
#include "organize/folders/FolderTreeNode.h"

#include "core/lists/PathCollation.h"
#include "organize/folders/Favorites.h"
#include "organize/folders/FolderOperations.h"
#include "organize/folders/SubfolderListing.h"
#include "platform/FolderPath.h"

#include <QDir>
#include <algorithm>

namespace vistello {

namespace {

using Kind = FolderTreeModel::ItemKind;

bool offers(const QList<MenuCommand>& menu, int command)
{
    return std::any_of(menu.begin(), menu.end(), [&](const MenuCommand& c) { return c.id == command; });
}

} // namespace

bool FolderTreeModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    Node* node = nodeOf(index);
    const QString label = value.toString();
    if (node->kind == Kind::Favorite) {
        const int which = favorites_.indexOfName(node->label);
        const FavoritesList::RenameResult result = favorites_.rename(which, label);
        if (result == FavoritesList::RenameResult::NameTaken)
            Q_EMIT favoriteNameTaken(label);
        if (result != FavoritesList::RenameResult::Renamed)
            return false;
        node->label = favorites_.items()[size_t(which)].name;
        Q_EMIT dataChanged(index, index);
        return true;
    }
    if (node->kind != Kind::Folder || !offers(folderMenu(factsOf(index)), kCmdRename))
        return false;
    const FolderRename rename = renameFolder(node->path, label);
    if (rename.result != FolderRenameResult::Renamed)
        return rename.result == FolderRenameResult::Unchanged;
    const QString oldFolder = node->path;
    node->label = label;
    renamePaths(node, oldFolder, rename.newPath);
    Q_EMIT dataChanged(index, index);
    Q_EMIT folderRenamed(oldFolder, rename.newPath);
    return true;
}

void FolderTreeModel::renamePaths(Node* node, const QString& oldFolder, const QString& newFolder)
{
    if (std::optional<QString> moved = pathAfterFolderMove(node->path, oldFolder, newFolder))
        node->path = *moved;
    for (const auto& child : node->children)
        renamePaths(child.get(), oldFolder, newFolder);
}

void FolderTreeModel::insertFolderChild(Node* parent, const QString& name)
{
    const QModelIndex parentIndex = indexOfNode(parent);
    if (!parent->listed) {
        listChildren(parent); // lists the new folder with the others
        return;
    }
    const int row = int(parent->children.size());
    beginInsertRows(parentIndex, row, row);
    parent->children.push_back(std::make_unique<Node>(Kind::Folder, name, parent->path + name + u'/', parent));
    endInsertRows();
}

QModelIndex FolderTreeModel::addNewFolder(const QModelIndex& parentIndex, const QString& baseName)
{
    Node* parent = nodeOf(parentIndex);
    if (parent->kind != Kind::Folder || !parentIndex.isValid())
        return {};
    const QString made = createNewFolder(parent->path, baseName);
    if (made.isEmpty())
        return {};
    insertFolderChild(parent, made.chopped(1).section(u'/', -1));
    return indexOfFolder(made);
}

bool FolderTreeModel::removeFolder(const QModelIndex& index)
{
    Node* node = nodeOf(index);
    if (!index.isValid() || node->kind != Kind::Folder || node->parent == root_.get() || !removeEmptyFolder(node->path))
        return false;
    const int row = node->row();
    beginRemoveRows(parent(index), row, row);
    node->parent->children.erase(node->parent->children.begin() + row);
    endRemoveRows();
    return true;
}

QModelIndex FolderTreeModel::addFavorite(const QModelIndex& folder, const QString& baseName)
{
    const int added = favorites_.add(pathOf(folder), baseName);
    if (added < 0)
        return {};
    reloadFavorites();
    return index(added, 0, index(0, 0));
}

void FolderTreeModel::removeFavorite(const QModelIndex& favorite)
{
    if (kindOf(favorite) != Kind::Favorite)
        return;
    favorites_.remove(favorites_.indexOfName(nodeOf(favorite)->label));
    reloadFavorites();
}

void FolderTreeModel::reloadFavorites()
{
    Node* branch = root_->children.front().get();
    const QModelIndex at = indexOfNode(branch);
    if (!branch->children.empty()) {
        beginRemoveRows(at, 0, int(branch->children.size()) - 1);
        branch->children.clear();
        endRemoveRows();
    }
    if (favorites_.count() > 0) {
        beginInsertRows(at, 0, favorites_.count() - 1);
        for (const Favorite& f : favorites_.items())
            branch->children.push_back(std::make_unique<Node>(Kind::Favorite, f.name, f.path, branch));
        endInsertRows();
    }
    Q_EMIT dataChanged(at, at);
}

// The branch of a folder only as far as it is listed already: finding it
// reads nothing from disk.
FolderTreeModel::Node* FolderTreeModel::listedNodeOf(const QString& folder) const
{
    Node* node = nullptr;
    for (const auto& top : root_->children)
        if (top->kind == Kind::Folder && folder.startsWith(top->path) && (!node || top->path.size() > node->path.size()))
            node = top.get();
    while (node && node->path != folder) {
        if (!node->listed)
            return nullptr;
        const QString name = folder.mid(node->path.size()).section(u'/', 0, 0);
        Node* next = nullptr;
        for (const auto& child : node->children)
            if (child->label == name)
                next = child.get();
        node = next;
    }
    return node;
}

void FolderTreeModel::refreshFolder(const QString& folder)
{
    const QString path = withTrailingSlash(QDir::cleanPath(folder));
    infoCache_.remove(path);
    infoAsked_.remove(path);
    Node* node = listedNodeOf(path);
    if (!node)
        return; // not shown: it is read when its branch opens
    const QModelIndex at = indexOfNode(node);
    if (node->listed) {
        // Rows of sub-folders that stay are kept, with their selection and
        // their open branches; only those gone or new change.
        const QStringList names = listSubfolders(node->path, HiddenFolders::Skip);
        for (int row = int(node->children.size()) - 1; row >= 0; --row) {
            if (names.contains(node->children[size_t(row)]->label))
                continue;
            beginRemoveRows(at, row, row);
            node->children.erase(node->children.begin() + row);
            endRemoveRows();
        }
        for (const QString& name : names) {
            const bool known = std::any_of(node->children.begin(), node->children.end(),
                                           [&](const auto& child) { return child->label == name; });
            if (!known)
                insertFolderChild(node, name);
        }
    }
    Q_EMIT dataChanged(at, at);
}

} // namespace vistello

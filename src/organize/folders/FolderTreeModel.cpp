#include "organize/folders/FolderTreeModel.h"

#include "core/lists/PathCollation.h"
#include "organize/folders/Favorites.h"
#include "organize/folders/FolderInfoText.h"
#include "organize/folders/FolderOperations.h"
#include "organize/folders/SubfolderListing.h"
#include "platform/FolderPath.h"
#include "resources/FolderStrings.h"

#include <QDir>
#include <algorithm>

namespace vistello {

struct FolderTreeModel::Node {
    Node(ItemKind k, QString l, QString p, Node* up) : kind(k), label(std::move(l)), path(std::move(p)), parent(up) {}

    ItemKind kind;
    QString label;
    QString path; // folders: with "/"
    Node* parent = nullptr;
    std::vector<std::unique_ptr<Node>> children;
    bool listed = false; // folders: children read from disk

    int row() const
    {
        const auto& siblings = parent->children;
        for (size_t i = 0; i < siblings.size(); ++i)
            if (siblings[i].get() == this)
                return int(i);
        return -1;
    }
};

namespace {

using Kind = FolderTreeModel::ItemKind;

bool offers(const QList<MenuCommand>& menu, int command)
{
    return std::any_of(menu.begin(), menu.end(), [&](const MenuCommand& c) { return c.id == command; });
}

bool isListBranch(Kind kind)
{
    return kind == Kind::CommandLineList || kind == Kind::DroppedList || kind == Kind::SearchList;
}

QString listLabel(Kind kind)
{
    using namespace strings;
    switch (kind) {
    case Kind::CommandLineList:
        return text(kCommandLineBranch);
    case Kind::DroppedList:
        return text(kDropBranch);
    default:
        return text(kSearchBranch);
    }
}

} // namespace

FolderTreeModel::FolderTreeModel(FavoritesList& favorites, QObject* parent)
    : QAbstractItemModel(parent), favorites_(favorites), root_(std::make_unique<Node>(Kind::Folder, QString(), QString(), nullptr)),
      worker_([this](const QString& folder, const QString& info) {
          QMetaObject::invokeMethod(this, [this, folder, info] { infoArrived(folder, info); }, Qt::QueuedConnection);
      })
{
    root_->listed = true;
    addTop(Kind::FavoritesBranch, strings::text(strings::kFavoritesBranch), {});
    reloadFavorites();
    const QString home = withTrailingSlash(QDir::homePath());
    addTop(Kind::Folder, home, home);
    if (home != QLatin1String("/"))
        addTop(Kind::Folder, QStringLiteral("/"), QStringLiteral("/"));
    for (const QString& volume : mountedRemovableVolumes())
        addTop(Kind::Folder, volume, volume);
}

FolderTreeModel::~FolderTreeModel()
{
    worker_.stop(-1);
}

FolderTreeModel::Node* FolderTreeModel::addTop(ItemKind kind, const QString& label, const QString& path)
{
    auto node = std::make_unique<Node>(kind, label, path, root_.get());
    node->listed = kind != Kind::Folder;
    root_->children.push_back(std::move(node));
    return root_->children.back().get();
}

void FolderTreeModel::setShowInfo(bool show)
{
    if (show == showInfo_)
        return;
    beginResetModel();
    showInfo_ = show;
    endResetModel();
}

void FolderTreeModel::setListCount(ItemKind list, int count)
{
    if (!isListBranch(list))
        return;
    listCounts_.insert(int(list), count);
    auto& top = root_->children;
    const auto it = std::find_if(top.begin(), top.end(), [&](const auto& n) { return n->kind == list; });
    if (it != top.end()) {
        const int row = int(it - top.begin());
        if (count > 0) {
            const QModelIndex at = index(row, 0);
            Q_EMIT dataChanged(at, at);
        } else {
            beginRemoveRows({}, row, row);
            top.erase(it);
            endRemoveRows();
        }
        return;
    }
    if (count <= 0)
        return;
    // The list branches stay in their fixed order after the folders.
    int row = int(top.size());
    while (row > 0 && isListBranch(top[size_t(row - 1)]->kind) && top[size_t(row - 1)]->kind > list)
        --row;
    beginInsertRows({}, row, row);
    auto node = std::make_unique<Node>(list, listLabel(list), QString(), root_.get());
    node->listed = true;
    top.insert(top.begin() + row, std::move(node));
    endInsertRows();
}

FolderTreeModel::Node* FolderTreeModel::nodeOf(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : root_.get();
}

QModelIndex FolderTreeModel::indexOfNode(Node* node) const
{
    if (!node || node == root_.get())
        return {};
    return createIndex(node->row(), 0, node);
}

FolderTreeModel::ItemKind FolderTreeModel::kindOf(const QModelIndex& index) const
{
    return nodeOf(index)->kind;
}

QString FolderTreeModel::pathOf(const QModelIndex& index) const
{
    return index.isValid() ? nodeOf(index)->path : QString();
}

QModelIndex FolderTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    const Node* node = nodeOf(parent);
    if (column != 0 || row < 0 || row >= int(node->children.size()))
        return {};
    return createIndex(row, 0, node->children[size_t(row)].get());
}

QModelIndex FolderTreeModel::parent(const QModelIndex& child) const
{
    return child.isValid() ? indexOfNode(nodeOf(child)->parent) : QModelIndex();
}

int FolderTreeModel::rowCount(const QModelIndex& parent) const
{
    return parent.column() > 0 ? 0 : int(nodeOf(parent)->children.size());
}

int FolderTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

bool FolderTreeModel::hasChildren(const QModelIndex& parent) const
{
    const Node* node = nodeOf(parent);
    // An unlisted folder may have sub-folders: finding out would read every
    // visible folder.
    return !node->children.empty() || (node->kind == Kind::Folder && !node->listed);
}

bool FolderTreeModel::canFetchMore(const QModelIndex& parent) const
{
    const Node* node = nodeOf(parent);
    return node->kind == Kind::Folder && !node->listed;
}

void FolderTreeModel::fetchMore(const QModelIndex& parent)
{
    listChildren(nodeOf(parent));
}

void FolderTreeModel::listChildren(Node* node)
{
    if (node->kind != Kind::Folder || node->listed)
        return;
    node->listed = true;
    QStringList names = listSubfolders(node->path, HiddenFolders::Skip);
    if (names.isEmpty()) {
        // The expand button goes.
        const QModelIndex at = indexOfNode(node);
        Q_EMIT dataChanged(at, at);
        return;
    }
    sortPaths(names);
    beginInsertRows(indexOfNode(node), 0, int(names.size()) - 1);
    node->children.reserve(size_t(names.size()));
    for (const QString& name : std::as_const(names))
        node->children.push_back(std::make_unique<Node>(Kind::Folder, name, node->path + name + u'/', node));
    endInsertRows();
}

QModelIndex FolderTreeModel::indexOfFolder(const QString& folder)
{
    const QString wanted = withTrailingSlash(QDir::cleanPath(folder));
    // The deepest root holding the folder: the home folder before "/".
    Node* node = nullptr;
    for (const auto& top : root_->children)
        if (top->kind == Kind::Folder && wanted.startsWith(top->path) && (!node || top->path.size() > node->path.size()))
            node = top.get();
    while (node && node->path != wanted) {
        listChildren(node);
        const QString name = wanted.mid(node->path.size()).section(u'/', 0, 0);
        Node* next = nullptr;
        for (const auto& child : node->children)
            if (child->label == name)
                next = child.get();
        node = next;
    }
    return indexOfNode(node);
}

QString FolderTreeModel::infoOf(Node* node) const
{
    if (!showInfo_)
        return {};
    switch (node->kind) {
    case Kind::FavoritesBranch:
        return countInfoText(favorites_.count());
    case Kind::CommandLineList:
    case Kind::DroppedList:
    case Kind::SearchList:
        return countInfoText(listCounts_.value(int(node->kind)));
    case Kind::Folder: {
        const auto it = infoCache_.constFind(node->path);
        if (it != infoCache_.constEnd())
            return *it;
        if (!infoAsked_.value(node->path)) {
            infoAsked_.insert(node->path, true);
            worker_.request(node->path);
        }
        return {};
    }
    case Kind::Favorite:
        return {};
    }
    return {};
}

void FolderTreeModel::infoArrived(const QString& folder, const QString& info)
{
    if (!infoAsked_.value(folder))
        return; // refreshed since it was asked
    infoCache_.insert(folder, info);
    if (info.isEmpty())
        return;
    const QModelIndex at = indexOfFolder(folder);
    if (at.isValid())
        Q_EMIT dataChanged(at, at, {Qt::DisplayRole, InfoRole});
}

QVariant FolderTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    Node* node = nodeOf(index);
    switch (role) {
    case Qt::DisplayRole: {
        const QString info = infoOf(node);
        return info.isEmpty() ? node->label : node->label + QLatin1Char(' ') + info;
    }
    case Qt::EditRole:
        return node->label;
    case PathRole:
        return node->path;
    case KindRole:
        return int(node->kind);
    case InfoRole:
        return infoOf(node);
    default:
        return {};
    }
}

Qt::ItemFlags FolderTreeModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const Node* node = nodeOf(index);
    // The disk is asked only when an edit is committed (setData).
    if (node->kind == Kind::Favorite || (node->kind == Kind::Folder && node->parent != root_.get()))
        f |= Qt::ItemIsEditable;
    return f;
}

FolderFacts FolderTreeModel::factsOf(const QModelIndex& index) const
{
    const Node* node = nodeOf(index);
    FolderFacts facts;
    facts.path = node->path;
    if (node->kind != Kind::Folder)
        return facts;
    facts.isTreeRoot = node->parent == root_.get();
    facts.showsSubfolders = !node->children.empty();
    facts.hasChildItems = hasChildren(index);
    readFolderFacts(facts);
    return facts;
}

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

#include "organize/folders/FolderTreeModel.h"
#include "organize/folders/FolderTreeNode.h"

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


namespace {

using Kind = FolderTreeModel::ItemKind;

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

} // namespace vistello

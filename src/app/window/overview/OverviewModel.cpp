#include "app/window/overview/OverviewModel.h"

#include "app/window/overview/NameLayout.h"
#include "core/lists/PictureLists.h"
#include "jpegmeta/info/PictureInfoText.h"

#include <QFileInfo>

#include <algorithm>
#include <functional>
#include <utility>

namespace vistello {

OverviewModel::OverviewModel(PictureLists& lists, QObject* parent) : QAbstractListModel(parent), lists_(lists)
{
}

void OverviewModel::setPaths(const QStringList& paths)
{
    beginResetModel();
    paths_ = paths;
    items_.assign(size_t(paths_.size()), {});
    tileBytes_ = 0;
    tilesDropped_ = 0;
    tilesDone_ = 0;
    tilesReceived_ = 0;
    firstArrivals_.clear();
    endResetModel();
}

void OverviewModel::removeItem(int index)
{
    if (index < 0 || index >= paths_.size())
        return;
    beginRemoveRows({}, index, index);
    if (hasTile(index))
        --tilesDone_;
    tileBytes_ -= items_[size_t(index)].tile.sizeInBytes();
    paths_.removeAt(index);
    items_.erase(items_.begin() + index);
    endRemoveRows();
}

void OverviewModel::insertItem(int index, const QString& path)
{
    index = std::clamp(index, 0, int(paths_.size()));
    beginInsertRows({}, index, index);
    paths_.insert(index, path);
    items_.insert(items_.begin() + index, Item{});
    endInsertRows();
}

void OverviewModel::setUserSelect(bool on)
{
    if (on == userSelect_)
        return;
    beginResetModel();
    userSelect_ = on;
    endResetModel();
}

void OverviewModel::setTile(int index, const QImage& tile, int mediaMark)
{
    if (index < 0 || size_t(index) >= items_.size())
        return;
    constexpr size_t kArrivalsKept = 100;
    ++tilesReceived_;
    if (firstArrivals_.size() < kArrivalsKept)
        firstArrivals_.push_back(index);
    Item& item = items_[size_t(index)];
    if (!hasTile(index))
        ++tilesDone_;
    tileBytes_ += tile.sizeInBytes() - item.tile.sizeInBytes();
    item.tile = tile;
    item.state = tile.isNull() ? Tile::Broken : Tile::Picture;
    item.mediaMark = mediaMark;
    item.dropped = false;
    const QModelIndex changed = this->index(index);
    Q_EMIT dataChanged(changed, changed, {Qt::DecorationRole, kTileRole});
    if (tileBytes_ > tileBudget_)
        dropFarTiles();
}

void OverviewModel::setTileBudget(qint64 bytes)
{
    tileBudget_ = bytes;
    if (tileBytes_ > tileBudget_)
        dropFarTiles();
}

void OverviewModel::keepRows(int first, int last)
{
    keepFirst_ = first;
    keepLast_ = last;
}

std::vector<int> OverviewModel::droppedBetween(int first, int last) const
{
    std::vector<int> dropped;
    for (int i = std::max(0, first); i <= last && i < int(items_.size()); ++i)
        if (items_[size_t(i)].dropped)
            dropped.push_back(i);
    return dropped;
}

void OverviewModel::forget(Item& item)
{
    if (item.state != Tile::Placeholder || item.dropped)
        --tilesDone_;
    tileBytes_ -= item.tile.sizeInBytes();
    item = Item{};
}

// Down to three quarters of the budget at once, so that the scan over all
// items is rare; the farthest from the kept rows go first.
void OverviewModel::dropFarTiles()
{
    const auto distance = [this](int i) {
        return i < keepFirst_ ? keepFirst_ - i : i > keepLast_ ? i - keepLast_ : 0;
    };
    std::vector<std::pair<int, int>> far; // distance, item
    for (int i = 0; i < int(items_.size()); ++i)
        if (items_[size_t(i)].state == Tile::Picture && distance(i) > 0)
            far.emplace_back(distance(i), i);
    std::sort(far.begin(), far.end(), std::greater<>());
    const qint64 target = tileBudget_ / 4 * 3;
    for (const auto& [gap, i] : far) {
        if (tileBytes_ <= target)
            break;
        // Still done: it is made again when it comes near the view.
        Item& item = items_[size_t(i)];
        tileBytes_ -= item.tile.sizeInBytes();
        item = Item{};
        item.dropped = true;
        ++tilesDropped_;
        const QModelIndex changed = this->index(i);
        Q_EMIT dataChanged(changed, changed, {Qt::DecorationRole, kTileRole});
    }
}

void OverviewModel::resetTile(int index)
{
    if (index < 0 || size_t(index) >= items_.size())
        return;
    forget(items_[size_t(index)]);
    const QModelIndex changed = this->index(index);
    Q_EMIT dataChanged(changed, changed, {Qt::DecorationRole, kTileRole});
}

int OverviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(paths_.size());
}

QVariant OverviewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= paths_.size())
        return {};
    const Item& item = items_[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        // A path without a folder still gets its item.
        return QFileInfo(paths_.at(index.row())).fileName();
    case Qt::ToolTipRole: {
        // The picture's information, asked for only when the pointer rests.
        const QString& path = paths_.at(index.row());
        return plainToolTip(pictureInfoText(path, modifiedDateText(path), QFileInfo(path).size()).left(kMaxInfoText));
    }
    case Qt::DecorationRole: return item.tile;
    case kTileRole: return int(item.state);
    case Qt::CheckStateRole:
        if (!userSelect_)
            return {};
        return lists_.isMarked(paths_.at(index.row())) ? Qt::Checked : Qt::Unchecked;
    default: return {};
    }
}

bool OverviewModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::CheckStateRole || !userSelect_)
        return false;
    lists_.setMarked(paths_.at(index.row()), value.toInt() == Qt::Checked);
    Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags OverviewModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractListModel::flags(index);
    if (userSelect_)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

} // namespace vistello

#include "app/window/overview/OverviewModel.h"

#include "app/window/overview/NameLayout.h"
#include "core/lists/PictureLists.h"
#include "jpegmeta/info/PictureInfoText.h"

#include <QFileInfo>

#include <algorithm>

namespace vistello {

OverviewModel::OverviewModel(PictureLists& lists, QObject* parent) : QAbstractListModel(parent), lists_(lists)
{
}

void OverviewModel::setPaths(const QStringList& paths)
{
    beginResetModel();
    paths_ = paths;
    items_.assign(size_t(paths_.size()), {});
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
    if (item.state == Tile::Placeholder)
        ++tilesDone_;
    item.tile = tile;
    item.state = tile.isNull() ? Tile::Broken : Tile::Picture;
    item.mediaMark = mediaMark;
    const QModelIndex changed = this->index(index);
    Q_EMIT dataChanged(changed, changed, {Qt::DecorationRole, kTileRole});
}

void OverviewModel::resetTile(int index)
{
    if (index < 0 || size_t(index) >= items_.size())
        return;
    if (hasTile(index))
        --tilesDone_;
    items_[size_t(index)] = Item{};
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

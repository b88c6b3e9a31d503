#include "app/window/pictureinfo/PictureDataModel.h"

#include "resources/InfoStrings.h"
#include "resources/StringTable.h"

namespace vistello {

void PictureDataModel::setItems(std::vector<PictureDataItem> items)
{
    beginResetModel();
    items_ = std::move(items);
    endResetModel();
}

int PictureDataModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(items_.size());
}

int PictureDataModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant PictureDataModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const PictureDataItem& shown = item(index.row());
    switch (shown.type) {
    case PictureDataItem::Type::Title: return index.column() == 0 ? shown.title : QString();
    case PictureDataItem::Type::Row: return index.column() == 0 ? shown.row.name : shown.row.value;
    case PictureDataItem::Type::Blank: break;
    }
    return {};
}

QVariant PictureDataModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return strings::text(section == 0 ? strings::kPictureDataNameColumn : strings::kPictureDataValueColumn);
}

} // namespace vistello

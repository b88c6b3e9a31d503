#pragma once
// The picture-data list's items as a two-column table ("Name", "Assigned
// value"); the delegate reads the items themselves to draw the extras.
#include "jpegmeta/info/PictureDataDrawing.h"

#include <QAbstractTableModel>
#include <vector>

namespace vistello {

class PictureDataModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setItems(std::vector<PictureDataItem> items);
    const PictureDataItem& item(int row) const { return items_[size_t(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<PictureDataItem> items_;
};

} // namespace vistello

#pragma once
// The overview page's items: one per picture of the list it was filled
// with, a placeholder until the tile arrives, the broken-picture tile when
// the picture could not be read. Check boxes are the marked pictures.
//
// Tiles are held within a byte budget: beyond it, those farthest from the
// rows kept (the visible ones and a margin) are dropped and their items wait
// for the tile to be made again when they come near the view.
#include <QAbstractListModel>
#include <QImage>
#include <QStringList>

#include <vector>

namespace vistello {

class PictureLists;

class OverviewModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum class Tile : unsigned char { Placeholder, Picture, Broken };
    static constexpr int kTileRole = Qt::UserRole; // a Tile

    explicit OverviewModel(PictureLists& lists, QObject* parent = nullptr);

    void setPaths(const QStringList& paths); // every item a placeholder
    const QStringList& paths() const { return paths_; }
    // The other items keep their tiles.
    void removeItem(int index);
    void insertItem(int index, const QString& path); // a placeholder
    // The tile has been made (it may have been dropped since).
    bool hasTile(int index) const
    {
        const Item& item = items_[size_t(index)];
        return item.state != Tile::Placeholder || item.dropped;
    }
    void setUserSelect(bool on);
    // A null tile: the picture could not be read.
    void setTile(int index, const QImage& tile, int mediaMark);
    // The picture changed: its item waits for a new tile.
    void resetTile(int index);
    int tilesDone() const { return tilesDone_; }

    // Bytes of tile pixels held at most (the kept rows may exceed it).
    static constexpr qint64 kDefaultTileBudget = qint64(64) << 20;
    void setTileBudget(qint64 bytes);
    qint64 tileBytes() const { return tileBytes_; }
    int tilesDropped() const { return tilesDropped_; }
    // Items first .. last are kept whatever the budget.
    void keepRows(int first, int last);
    // Items in first .. last whose tile was dropped: to be made again.
    std::vector<int> droppedBetween(int first, int last) const;
    // Tiles taken since the fill, and the items of the first ones in the
    // order they came (for the state dump: the loader's order).
    int tilesReceived() const { return tilesReceived_; }
    const std::vector<int>& firstArrivals() const { return firstArrivals_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Item {
        QImage tile;
        Tile state = Tile::Placeholder;
        int mediaMark = 0;
        bool dropped = false; // over the budget; made again when near
    };

    void dropFarTiles();
    void forget(Item& item);

    PictureLists& lists_;
    QStringList paths_;
    std::vector<Item> items_;
    int tilesDone_ = 0;
    int tilesReceived_ = 0;
    std::vector<int> firstArrivals_;
    bool userSelect_ = true;
    qint64 tileBudget_ = kDefaultTileBudget;
    qint64 tileBytes_ = 0;
    int tilesDropped_ = 0; // since the fill
    int keepFirst_ = 0;
    int keepLast_ = -1;
};

} // namespace vistello

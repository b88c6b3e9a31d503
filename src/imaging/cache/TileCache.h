#pragma once
// Decoded tiles of a zoomed picture, bounded by their bytes and evicted
// least recently used first, so that memory follows the screen, not the
// picture.
#include <QHash>
#include <QImage>

namespace vistello {

class TileCache {
public:
    explicit TileCache(qint64 maxBytes) : maxBytes_(maxBytes) {}

    // A null image when the tile is not held; a hit counts as a use.
    QImage find(quint64 key);
    bool contains(quint64 key) const { return entries_.contains(key); }
    void store(quint64 key, const QImage& tile);
    void clear();
    qint64 bytes() const { return bytes_; }
    int size() const { return int(entries_.size()); }

    static quint64 keyOf(int level, int column, int row)
    {
        return (quint64(quint32(level)) << 48) | (quint64(quint32(column) & 0xFFFFFF) << 24) | (quint32(row) & 0xFFFFFF);
    }

private:
    struct Entry {
        QImage tile;
        qint64 lastUse = 0;
    };
    QHash<quint64, Entry> entries_;
    qint64 maxBytes_;
    qint64 bytes_ = 0;
    qint64 useCounter_ = 0;
};

} // namespace vistello

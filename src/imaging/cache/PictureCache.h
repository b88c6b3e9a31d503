#pragma once
// Bitmaps a DecodedPicture produced for earlier requests, bounded by a number
// of entries and evicted least recently used first.
#include <QHash>
#include <QImage>
#include <QString>

namespace vistello {

struct CachedPicture {
    QImage image; // implicitly shared with whoever shows it
    int fileWidth = 0;
    int fileHeight = 0;
    int mcuWidth = 1;
    int mcuHeight = 1;
    int mediaMark = 0;
    int orientation = 1;
};

class PictureCache {
public:
    // The key of a request: the exact path, a NUL, then "%dx%d+%dx%d" of box
    // and scale. Without the NUL, "p1" in a 180-wide box and "p11" in an
    // 80-wide box would share a key; no path contains a NUL.
    static QString keyFor(const QString& path, int boxWidth, int boxHeight, int scaleNum,
                          int scaleDenom);

    explicit PictureCache(int capacity = 4) : capacity_(capacity) {}

    // Nothing is found or stored while capacity is below 1.
    const CachedPicture* lookup(const QString& key);
    // Without counting as a use.
    bool contains(const QString& key) const { return capacity_ >= 1 && entries_.contains(key); }
    void store(const QString& key, const CachedPicture& picture);
    // A different capacity (n >= 0) empties the cache.
    void setCapacity(int capacity);
    int capacity() const { return capacity_; }
    int size() const { return int(entries_.size()); }
    void clear();
    // Exact path match: "a.jpe" never touches "a.jpeg"'s entries.
    void dropPath(const QString& path);
    void renamePath(const QString& oldPath, const QString& newPath);
    // Every entry of a picture inside oldFolder now lies in newFolder.
    void renameFolder(const QString& oldFolder, const QString& newFolder);

private:
    struct Entry {
        CachedPicture picture;
        qint64 lastUse = 0;
    };
    void evictLeastRecentlyUsed();
    // Re-keys the entries whose key rename() maps to a new key.
    template <typename Rename> void rekey(Rename rename);
    // The key belongs to exactly this path (any box).
    static bool keyIsOfPath(const QString& key, const QString& path);
    QHash<QString, Entry> entries_;
    int capacity_;
    qint64 useCounter_ = 0;
};

} // namespace vistello

#include "imaging/cache/TileCache.h"

namespace vistello {

QImage TileCache::find(quint64 key)
{
    auto it = entries_.find(key);
    if (it == entries_.end())
        return {};
    it->lastUse = useCounter_++;
    return it->tile;
}

void TileCache::store(quint64 key, const QImage& tile)
{
    auto it = entries_.find(key);
    if (it != entries_.end())
        bytes_ -= it->tile.sizeInBytes();
    Entry& entry = entries_[key];
    entry.tile = tile;
    entry.lastUse = useCounter_++;
    bytes_ += tile.sizeInBytes();
    while (bytes_ > maxBytes_ && entries_.size() > 1) {
        auto oldest = entries_.begin();
        for (auto i = entries_.begin(); i != entries_.end(); ++i)
            if (i->lastUse < oldest->lastUse)
                oldest = i;
        bytes_ -= oldest->tile.sizeInBytes();
        entries_.erase(oldest);
    }
}

void TileCache::clear()
{
    entries_.clear();
    bytes_ = 0;
}

} // namespace vistello

#include "imaging/cache/PictureCache.h"

#include "platform/FolderPath.h"

#include <QList>

#include <optional>
#include <utility>

namespace vistello {

namespace {

constexpr QChar kPathEnd = QChar(0);

} // namespace

QString PictureCache::keyFor(const QString& path, int boxWidth, int boxHeight, int scaleNum,
                             int scaleDenom)
{
    // Paths are case-sensitive here: a.jpg and A.jpg are two pictures.
    return path + kPathEnd
           + QStringLiteral("%1x%2+%3x%4").arg(boxWidth).arg(boxHeight).arg(scaleNum).arg(scaleDenom);
}

bool PictureCache::keyIsOfPath(const QString& key, const QString& path)
{
    return key.size() > path.size() && key.at(path.size()) == kPathEnd && key.startsWith(path);
}

const CachedPicture* PictureCache::lookup(const QString& key)
{
    if (capacity_ < 1)
        return nullptr;
    auto it = entries_.find(key);
    if (it == entries_.end())
        return nullptr;
    it->lastUse = useCounter_++;
    return &it->picture;
}

void PictureCache::store(const QString& key, const CachedPicture& picture)
{
    if (capacity_ < 1)
        return;
    Entry& entry = entries_[key];
    entry.picture = picture;
    entry.lastUse = useCounter_++;
    if (entries_.size() > capacity_)
        evictLeastRecentlyUsed();
}

void PictureCache::evictLeastRecentlyUsed()
{
    auto oldest = entries_.begin();
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->lastUse < oldest->lastUse)
            oldest = it;
    }
    if (oldest != entries_.end())
        entries_.erase(oldest);
}

void PictureCache::setCapacity(int capacity)
{
    if (capacity < 0 || capacity == capacity_)
        return;
    entries_.clear();
    capacity_ = capacity;
}

void PictureCache::clear()
{
    entries_.clear();
}

void PictureCache::dropPath(const QString& path)
{
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (keyIsOfPath(it.key(), path))
            it = entries_.erase(it);
        else
            ++it;
    }
}

template <typename Rename> void PictureCache::rekey(Rename rename)
{
    QList<std::pair<QString, Entry>> moved;
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (std::optional<QString> key = rename(it.key())) {
            moved.append({std::move(*key), std::move(it.value())});
            it = entries_.erase(it);
        } else {
            ++it;
        }
    }
    // Inserted afterwards so that a moved entry is never visited twice.
    for (auto& [key, entry] : moved)
        entries_.insert(key, std::move(entry));
}

void PictureCache::renamePath(const QString& oldPath, const QString& newPath)
{
    if (capacity_ < 1 || oldPath == newPath)
        return;
    rekey([&](const QString& key) -> std::optional<QString> {
        if (!keyIsOfPath(key, oldPath))
            return std::nullopt;
        return newPath + key.mid(oldPath.size());
    });
}

void PictureCache::renameFolder(const QString& oldFolder, const QString& newFolder)
{
    const QString from = withTrailingSlash(oldFolder);
    const QString to = withTrailingSlash(newFolder);
    if (capacity_ < 1 || from == to)
        return;
    rekey([&](const QString& key) -> std::optional<QString> {
        if (!key.startsWith(from))
            return std::nullopt;
        return to + key.mid(from.size());
    });
}

} // namespace vistello

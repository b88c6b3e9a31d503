#include "core/lists/FolderIndexMemory.h"

#include "platform/FolderPath.h"

#include <QList>
#include <utility>

namespace vistello {

QString FolderIndexMemory::keyOf(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

void FolderIndexMemory::remember(const QString& folder, int currentIndex)
{
    if (!folder.isEmpty())
        indices_.insert(keyOf(folder), currentIndex);
}

std::optional<int> FolderIndexMemory::recall(const QString& folder, int count) const
{
    const auto it = indices_.constFind(keyOf(folder));
    if (it == indices_.constEnd() || *it < 0 || *it >= count)
        return std::nullopt;
    return *it;
}

void FolderIndexMemory::forget(const QString& folder)
{
    indices_.remove(keyOf(folder));
}

void FolderIndexMemory::renameFolder(const QString& oldFolder, const QString& newFolder)
{
    QList<std::pair<QString, int>> moved;
    for (auto it = indices_.begin(); it != indices_.end();) {
        if (std::optional<QString> key = pathAfterFolderMove(it.key(), oldFolder, newFolder)) {
            moved.append({*key, it.value()});
            it = indices_.erase(it);
        } else {
            ++it;
        }
    }
    for (const auto& [key, index] : moved)
        indices_.insert(key, index);
}

} // namespace vistello

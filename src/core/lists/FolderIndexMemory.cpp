#include "core/lists/FolderIndexMemory.h"

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

} // namespace vistello

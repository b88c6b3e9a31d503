#include "core/lists/ListFileGuard.h"

#include <QFileInfo>

namespace vistello {

bool ListFileGuard::firstVisit(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    const QString key = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
    if (seen_.contains(key))
        return false;
    seen_.insert(key);
    return true;
}

} // namespace vistello

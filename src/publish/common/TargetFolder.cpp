#include "publish/common/TargetFolder.h"

#include <QDir>

namespace vistello {

bool isUsableTargetFolder(const QString& folder)
{
    return !folder.trimmed().isEmpty() && QDir::isAbsolutePath(folder);
}

} // namespace vistello

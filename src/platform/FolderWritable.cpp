#include "platform/FolderWritable.h"

#include "platform/FolderPath.h"

#include <QTemporaryFile>

namespace vistello {

bool isFolderWritable(const QString& folder)
{
    if (folder.isEmpty())
        return false;
    QTemporaryFile probe(withTrailingSlash(folder) + QStringLiteral(".vistello-write-test-XXXXXX"));
    probe.setAutoRemove(true);
    return probe.open();
}

} // namespace vistello

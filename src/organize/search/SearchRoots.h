#pragma once
// The folders a search scans: the ";"-separated list of the search page,
// or, when it is empty, every local file system (the drives of the
// machine), each scanned without crossing into another mount. Pseudo and
// network file systems are never scanned.
#include <QString>
#include <QStringList>
#include <vector>

namespace vistello {

struct SearchRoot {
    QString folder; // ends in "/"
    bool oneFileSystem = false;
};

std::vector<SearchRoot> searchRoots(const QString& folderList);

// Mount points of local, real file systems, given (mount point, file-system
// type) pairs as the system lists them.
QStringList localMountPoints(const std::vector<std::pair<QString, QString>>& mounts);

} // namespace vistello

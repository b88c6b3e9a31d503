#pragma once
#include <QSet>
#include <QString>

namespace vistello {

// Remembers the list files read during one scan, so that a list reached
// twice (through links or a second folder) is read once.
class ListFileGuard {
public:
    // False when the file was already read under this guard.
    bool firstVisit(const QString& path);

private:
    QSet<QString> seen_;
};

} // namespace vistello

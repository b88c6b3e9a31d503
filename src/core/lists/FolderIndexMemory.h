#pragma once
// The current picture of each folder the user left, so that coming back to
// a folder shows the same picture again.
#include <QHash>
#include <QString>
#include <optional>

namespace vistello {

class FolderIndexMemory {
public:
    void remember(const QString& folder, int currentIndex);
    // The remembered index when it is still within count.
    std::optional<int> recall(const QString& folder, int count) const;
    void forget(const QString& folder);
    // The folder and the folders inside it were renamed.
    void renameFolder(const QString& oldFolder, const QString& newFolder);
    void clear() { indices_.clear(); }

private:
    // Folders are keyed with a trailing "/" so both spellings meet.
    static QString keyOf(const QString& folder);

    QHash<QString, int> indices_;
};

} // namespace vistello

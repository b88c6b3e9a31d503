#pragma once
// Comments that came with pictures read from a picture-list file. They are
// shown and exported like other comments but never saved. Keyed like every
// picture comment by the last folder name and file name, so a folder keeps
// its comments when it is moved. Jobs read them while the user-interface
// thread changes them, so every operation takes the lock.
#include <QHash>
#include <QString>
#include <QStringView>
#include <mutex>

namespace vistello {

// "folder/file.jpg" for "/any/where/folder/file.jpg"; a path with fewer than
// two "/" after its root is its own key. Empty (no key) for paths shorter
// than 5 or longer than 511 units. Case is kept: a.jpg and A.jpg are two
// pictures.
QString pictureCommentKey(QStringView path);

class ListFileComments {
public:
    static ListFileComments& instance();

    // A non-empty text is stored, an empty one removes the entry.
    void set(const QString& path, const QString& text);
    QString get(const QString& path) const;
    void clear();
    int count() const;
    // A copy of every (key, comment) pair, for searching outside the lock.
    QList<std::pair<QString, QString>> entries() const;

private:
    mutable std::mutex mutex_;
    QHash<QString, QString> comments_;
};

} // namespace vistello

#pragma once
// The one owner of picture comments kept by the program (not inside the
// picture files). Comments are keyed by the picture's last folder name and
// file name, so a folder keeps its comments when it is moved. Search and
// gallery jobs read the store while the user-interface thread changes it,
// so every operation takes the lock.
#include <QHash>
#include <QString>
#include <QStringView>
#include <mutex>

namespace vistello {

class CommentStore {
public:
    static CommentStore& instance();

    // "folder/file.jpg" for "/any/where/folder/file.jpg"; a path with fewer
    // than two "/" after its root is its own key. Empty (no key) for paths
    // shorter than 5 or longer than 511 units. Case is kept: a.jpg and A.jpg
    // are two pictures.
    static QString keyOf(QStringView path);

    // The comment known for the path; empty when there is none.
    QString get(const QString& path) const;

    // Comments that came with pictures read from a picture-list file; never
    // saved. A non-empty text is stored, an empty one removes the entry.
    void setListFileComment(const QString& path, const QString& text);
    QString listFileComment(const QString& path) const;
    void clearListFileComments();
    int listFileCommentCount() const;

private:
    mutable std::mutex mutex_;
    QHash<QString, QString> listFileComments_;
};

} // namespace vistello

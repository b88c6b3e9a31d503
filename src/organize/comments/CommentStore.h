#pragma once
// The one owner of picture comments kept by the program (not inside the
// picture files). Comments are keyed by the picture's last folder name and
// file name (pictureCommentKey), so a folder keeps its comments when it is
// moved. Search and gallery jobs read the store while the user-interface
// thread changes it, so every operation takes the lock.
#include <QString>

namespace vistello {

class CommentStore {
public:
    static CommentStore& instance();

    // The comment known for the path: for now the one that came with it in a
    // picture-list file; empty when there is none.
    QString get(const QString& path) const;
};

} // namespace vistello

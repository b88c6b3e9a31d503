#pragma once
// The one owner of picture comments kept by the program (not inside the
// picture files). Comments are keyed by the picture's last folder name and
// file name (pictureCommentKey), so a folder keeps its comments when it is
// moved; the folders that hold commented pictures are recorded to turn keys
// back into paths. Comments that came with a picture-list file are answered
// too but never saved. Search and gallery jobs read the store while the
// user-interface thread changes it, so every operation takes the lock.
#include "organize/comments/CommentListFile.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <mutex>

namespace vistello {

class ListFileComments;
class SearchPattern;

class CommentStore {
public:
    static CommentStore& instance();

    explicit CommentStore(ListFileComments& listFileComments);

    // Reads the list file at program start; a missing or unreadable file
    // gives an empty store.
    void load(const QString& listPath);
    QString listPath() const;
    // Writes the list at program end; a store without comments writes
    // nothing, so an older list stays. False when the list could not be
    // written (saveFailedMessage() is what the user is told).
    bool save() const;
    QString saveFailedMessage() const;

    // The program comment, else the list-file comment, else empty.
    QString get(const QString& path);
    // White space around the text is dropped and line breaks become spaces
    // (a comment is one line of the list); an empty text removes the comment.
    void set(const QString& path, const QString& text);
    // The existing program comment, a space when there was one, and text.
    void append(const QString& path, const QString& text);
    // For files moved or copied by the program: the comment follows.
    void move(const QString& oldPath, const QString& newPath);
    void copy(const QString& oldPath, const QString& newPath);
    void remove(const QString& path);

    // Appends to results every existing picture whose comment (list-file
    // comments first, then program comments) matches anywhere: one path per
    // recorded folder of the key's folder name. Paths already in results
    // are not added again. A stop ends the scan between two comments.
    void findByComment(const SearchPattern& pattern, QStringList& results,
                       const std::atomic<bool>* stop = nullptr) const;

    CommentListContents contents() const;

private:
    void setLocked(const QString& key, const QString& path, const QString& text);
    void recordFolderLocked(const QString& path);
    void transfer(const QString& oldPath, const QString& newPath, bool keepOld);

    ListFileComments& listFileComments_;
    mutable std::mutex mutex_;
    QString listPath_;
    CommentListContents contents_;
};

} // namespace vistello

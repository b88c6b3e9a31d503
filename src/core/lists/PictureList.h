#pragma once
// An ordered list of pictures (full paths) with the views' selection, its
// kind, and the pictures named by picture-list files met during a scan,
// which are shown after the folder's own pictures.
#include "core/lists/ListKind.h"
#include "core/lists/PathArray.h"

#include <QString>

namespace vistello {

class ListFileGuard;

class PictureList {
public:
    explicit PictureList(int growStep = 100, ListKind kind = ListKind::Folder);

    PathArray& entries() { return entries_; }
    const PathArray& entries() const { return entries_; }
    PathArray& selection() { return selection_; }
    const PathArray& selection() const { return selection_; }
    PathArray& pending() { return pending_; }
    const PathArray& pending() const { return pending_; }

    ListKind kind() const { return kind_; }
    void setKind(ListKind kind) { kind_ = kind; }
    int count() const { return entries_.count(); }
    int currentIndex() const { return entries_.currentIndex(); }
    QString currentPath() const { return entries_.at(entries_.currentIndex()); }

    // The lists the main window shows own the comments read from list files:
    // clearing such a list forgets them. Temporary lists leave them alone.
    void setOwnsListFileComments(bool owns) { ownsListFileComments_ = owns; }

    // Clears entries and pending; the selection stays.
    void clear(bool freeMemory);

    // The folder's pictures sorted, then the pictures of the picture-list
    // files found in it, in the lists' order. Nothing happens for an empty
    // folder path.
    void scanFolder(const QString& folder, bool includeSubfolders);
    // The same scan keeping the current index (clamped to the new count).
    void rescanKeepingIndex(const QString& folder, bool includeSubfolders);

    // Adds the listed pictures to pending; with appendPending they are also
    // appended to entries. True when at least one picture was found.
    bool readListFile(const QString& path, bool appendPending);
    bool readListFile(const QString& path, bool appendPending, ListFileGuard& guard);

    struct AddResult {
        bool accepted = false; // the path has a picture extension
        bool appended = false; // it was not in the list before
        int index = -1;
        bool wasEmpty = false; // the list had no entries before
    };
    // Appends a picture not yet in the list; with makeCurrent it becomes the
    // current entry and the whole selection.
    AddResult addPicture(const QString& path, bool makeCurrent);

    // Entries, selection, kind and pending.
    void copyFrom(const PictureList& other);

    QString caption(const QString& currentFolder) const;

private:
    PathArray entries_;
    PathArray selection_{100};
    PathArray pending_{100};
    ListKind kind_ = ListKind::Folder;
    bool ownsListFileComments_ = false;
};

} // namespace vistello

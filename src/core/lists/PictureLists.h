#pragma once
// The six picture lists of the main window, which of them the views show
// (the current list), the working set of the batch commands, and the lists
// kept between runs.
#include "core/lists/FolderIndexMemory.h"
#include "core/lists/PictureList.h"

#include <QString>
#include <QStringList>

namespace vistello {

enum class ListId {
    FolderPictures,
    SearchResults,
    CommandLinePictures,
    DroppedPictures,
    MarkedPictures,
    SelectedPictures,
};

class PictureLists {
public:
    // Kept in the personal folder between runs.
    static constexpr const char* kSearchResultsFile = "Vistello_LE_sb.txt";
    static constexpr const char* kMarkedPicturesFile = "Vistello_LE_se.txt";

    PictureLists();
    PictureLists(const PictureLists&) = delete;
    PictureLists& operator=(const PictureLists&) = delete;

    PictureList& list(ListId id);
    const PictureList& list(ListId id) const;
    PictureList& folderPictures() { return list(ListId::FolderPictures); }
    PictureList& searchResults() { return list(ListId::SearchResults); }
    PictureList& commandLinePictures() { return list(ListId::CommandLinePictures); }
    PictureList& droppedPictures() { return list(ListId::DroppedPictures); }
    PictureList& markedPictures() { return list(ListId::MarkedPictures); }
    PictureList& selectedPictures() { return list(ListId::SelectedPictures); }

    // The list every view shows; folderPictures at start.
    PictureList& current() { return list(currentId_); }
    const PictureList& current() const { return list(currentId_); }
    ListId currentId() const { return currentId_; }
    // Another list (or the folder list anew) is shown: pictures the action
    // list chose for a batch command belong to the old one and are dropped,
    // so a later command never acts on pictures the user no longer sees.
    void setCurrent(ListId id);
    QString currentCaption(const QString& currentFolder) const { return current().caption(currentFolder); }

    // selectedPictures when it has entries, else the current list's selection.
    QStringList workingSet() const;
    // What a batch command takes when it starts: the working set, after
    // which selectedPictures is emptied.
    QStringList takeWorkingSet();

    // Ticking a picture's marker adds it once; clearing it removes it.
    void setMarked(const QString& path, bool marked);
    bool isMarked(const QString& path) const;

    // droppedPictures becomes a copy of the drop and the current list, at
    // its first picture. Nothing happens for an empty drop.
    bool applyDrop(const PictureList& dropped);

    void readStoredLists(const QString& personalFolder);
    // Empty lists delete their files.
    void writeStoredLists(const QString& personalFolder) const;

    FolderIndexMemory& folderIndexMemory() { return folderIndices_; }

private:
    PictureList lists_[6];
    ListId currentId_ = ListId::FolderPictures;
    FolderIndexMemory folderIndices_;
};

} // namespace vistello

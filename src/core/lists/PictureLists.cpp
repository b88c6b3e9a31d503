#include "core/lists/PictureLists.h"

#include "core/lists/StoredList.h"

namespace vistello {

namespace {

struct ListSetup {
    ListId id;
    int growStep;
    ListKind kind;
};

// The owned lists in ListId order.
constexpr ListSetup kSetup[] = {
    {ListId::FolderPictures, 200, ListKind::Folder},
    {ListId::SearchResults, 100, ListKind::SearchResult},
    {ListId::CommandLinePictures, 100, ListKind::CommandLine},
    {ListId::DroppedPictures, 100, ListKind::DragAndDrop},
    {ListId::MarkedPictures, 10, ListKind::Folder},
    {ListId::SelectedPictures, 100, ListKind::Folder},
};

constexpr bool setupInIdOrder()
{
    for (int i = 0; i < 6; ++i)
        if (static_cast<int>(kSetup[i].id) != i)
            return false;
    return true;
}
static_assert(setupInIdOrder(), "kSetup rows must follow ListId");

QString folderWithSlash(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

} // namespace

PictureLists::PictureLists()
    : lists_{PictureList(kSetup[0].growStep, kSetup[0].kind), PictureList(kSetup[1].growStep, kSetup[1].kind),
             PictureList(kSetup[2].growStep, kSetup[2].kind), PictureList(kSetup[3].growStep, kSetup[3].kind),
             PictureList(kSetup[4].growStep, kSetup[4].kind), PictureList(kSetup[5].growStep, kSetup[5].kind)}
{
    for (PictureList& l : lists_)
        l.setOwnsListFileComments(true);
}

PictureList& PictureLists::list(ListId id)
{
    return lists_[static_cast<int>(id)];
}

const PictureList& PictureLists::list(ListId id) const
{
    return lists_[static_cast<int>(id)];
}

QStringList PictureLists::workingSet() const
{
    const PictureList& selected = list(ListId::SelectedPictures);
    if (!selected.entries().isEmpty())
        return selected.entries().toStringList();
    return current().selection().toStringList();
}

void PictureLists::setCurrent(ListId id)
{
    currentId_ = id;
    list(ListId::SelectedPictures).entries().clear(false);
}

QStringList PictureLists::takeWorkingSet()
{
    QStringList set = workingSet();
    list(ListId::SelectedPictures).entries().clear(false);
    return set;
}

void PictureLists::setMarked(const QString& path, bool marked)
{
    PathArray& entries = list(ListId::MarkedPictures).entries();
    if (!marked)
        entries.removePath(path);
    else if (!entries.contains(path))
        entries.append(path);
}

bool PictureLists::isMarked(const QString& path) const
{
    return list(ListId::MarkedPictures).entries().contains(path);
}

bool PictureLists::applyDrop(const PictureList& dropped)
{
    if (dropped.entries().isEmpty())
        return false;
    // Copying replaces everything; clearing first would also forget the
    // comments that came with dropped picture-list files.
    PictureList& target = list(ListId::DroppedPictures);
    target.copyFrom(dropped);
    target.setKind(ListKind::DragAndDrop);
    target.entries().setCurrentIndex(0);
    currentId_ = ListId::DroppedPictures;
    return true;
}

void PictureLists::readStoredLists(const QString& personalFolder)
{
    const QString folder = folderWithSlash(personalFolder);
    readStoredList(list(ListId::MarkedPictures), folder + QLatin1String(kMarkedPicturesFile));
    readStoredList(list(ListId::SearchResults), folder + QLatin1String(kSearchResultsFile));
}

void PictureLists::writeStoredLists(const QString& personalFolder) const
{
    // A list that cannot be written is not reported.
    const QString folder = folderWithSlash(personalFolder);
    writeStoredList(list(ListId::MarkedPictures), folder + QLatin1String(kMarkedPicturesFile));
    writeStoredList(list(ListId::SearchResults), folder + QLatin1String(kSearchResultsFile));
}

} // namespace vistello

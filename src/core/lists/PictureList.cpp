#include "core/lists/PictureList.h"

#include "core/filetypes/FolderScan.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/ListFileGuard.h"
#include "core/lists/ListFileReader.h"
#include "core/lists/ListFileComments.h"

#include <algorithm>

namespace vistello {

PictureList::PictureList(int growStep, ListKind kind)
    : entries_(growStep)
    , kind_(kind)
{
}

void PictureList::clear(bool freeMemory)
{
    entries_.clear(freeMemory);
    pending_.clear(freeMemory);
    if (ownsListFileComments_)
        ListFileComments::instance().clear();
}

void PictureList::scanFolder(const QString& folder, bool includeSubfolders)
{
    if (folder.isEmpty())
        return;
    clear(false);
    const QString root = folder.endsWith(u'/') ? folder : folder + u'/';
    const PictureFileTypes& types = PictureFileTypes::instance();
    ListFileGuard guard;
    vistello::scanFolder(root, includeSubfolders, [&](const ScanEntry& entry) {
        if (entry.isFolder)
            return true;
        if (types.isPictureFile(entry.path))
            entries_.append(entry.path);
        if (types.isPictureListFile(entry.path))
            readListFile(entry.path, false, guard);
        return true;
    });
    entries_.sort();
    PathArray::appendAll(pending_, entries_);
}

void PictureList::rescanKeepingIndex(const QString& folder, bool includeSubfolders)
{
    const int index = entries_.currentIndex();
    scanFolder(folder, includeSubfolders);
    entries_.setCurrentIndex(std::clamp(index, 0, std::max(entries_.count() - 1, 0)));
}

bool PictureList::readListFile(const QString& path, bool appendPending)
{
    ListFileGuard guard;
    return readListFile(path, appendPending, guard);
}

bool PictureList::readListFile(const QString& path, bool appendPending, ListFileGuard& guard)
{
    if (!guard.firstVisit(path))
        return false;
    const int before = pending_.count();
    const bool found = vistello::readListFile(path, pending_, &ListFileComments::instance());
    // Only this file's pictures: earlier pending pictures are already in entries.
    if (appendPending)
        for (int i = before; i < pending_.count(); ++i)
            entries_.append(pending_.at(i));
    return found;
}

PictureList::AddResult PictureList::addPicture(const QString& path, bool makeCurrent)
{
    AddResult result;
    if (!PictureFileTypes::instance().isPictureFile(path))
        return result;
    result.accepted = true;
    result.wasEmpty = entries_.isEmpty();
    result.index = entries_.find(0, path);
    if (result.index < 0) {
        entries_.append(path);
        result.index = entries_.find(entries_.count() - 1, path);
        result.appended = result.index >= 0;
    }
    if (makeCurrent && result.index >= 0) {
        entries_.setCurrentIndex(result.index);
        selection_.reset(path);
    }
    return result;
}

void PictureList::copyFrom(const PictureList& other)
{
    if (this == &other)
        return;
    entries_.copyFrom(other.entries_);
    selection_.copyFrom(other.selection_);
    pending_.copyFrom(other.pending_);
    kind_ = other.kind_;
}

QString PictureList::caption(const QString& currentFolder) const
{
    return listCaption(kind_, entries_.count(), currentFolder);
}

} // namespace vistello

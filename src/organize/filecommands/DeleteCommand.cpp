#include "organize/filecommands/FileCommands.h"

#include "core/filetypes/CompanionSound.h"
#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "jpegedit/originals/OriginalBackup.h"
#include "organize/filecommands/ViewListener.h"
#include "platform/FileOperations.h"
#include "resources/OrganizeStrings.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace vistello {

namespace {

const QString kSkipDeleteDialog = QStringLiteral("SkipDeleteDlg");

bool isFolderKind(ListKind kind)
{
    return kind == ListKind::Folder || kind == ListKind::FavouriteFolder;
}

} // namespace

QString FileCommands::deleteQuestion(const QStringList& doomed) const
{
    using namespace strings;
    if (doomed.size() == 1)
        return text(kDeleteOnePicture).replace(QLatin1String("%s"), QFileInfo(doomed.first()).fileName());
    // "All pictures of the folder" only when a folder's list is deleted whole.
    const PictureList& list = c_.lists.current();
    const QSet<QString> set(doomed.begin(), doomed.end());
    bool wholeList = isFolderKind(list.kind()) && list.count() == set.size();
    for (int i = 0; wholeList && i < list.count(); ++i)
        wholeList = set.contains(list.entries().at(i));
    if (wholeList) {
        const QString shown = set.contains(list.currentPath()) ? list.currentPath() : doomed.first();
        return text(kDeleteFolderPictures).replace(QLatin1String("%s"), QFileInfo(shown).path() + u'/');
    }
    return text(kDeleteSomePictures).replace(QLatin1String("%d"), QString::number(doomed.size()));
}

bool FileCommands::deleteFile(const QString& path)
{
    switch (c_.files.moveToTrash(path, nullptr)) {
    case TrashResult::Trashed:
        return true;
    case TrashResult::Failed:
        return false;
    case TrashResult::Unavailable:
        break;
    }
    if (permanent_ == Permanent::NotAsked) {
        const bool yes = c_.prompts.confirm(strings::text(strings::kDeletePicturesTitle),
                                            strings::text(strings::kDeletePermanently));
        permanent_ = yes ? Permanent::Allowed : Permanent::Refused;
    }
    return permanent_ == Permanent::Allowed && c_.files.removePermanently(path);
}

bool FileCommands::deletePictures(bool ctrlHeld)
{
    // What will be deleted is what the question counts. The action list's
    // set is used once, also when the answer is "no".
    return deleteThese(c_.lists.takeWorkingSet(), ctrlHeld);
}

bool FileCommands::deletePicture(const QString& path, bool ctrlHeld)
{
    return deleteThese(path.isEmpty() ? QStringList() : QStringList{path}, ctrlHeld);
}

bool FileCommands::deleteThese(const QStringList& doomed, bool ctrlHeld)
{
    if (doomed.isEmpty())
        return false;
    if (ctrlHeld)
        c_.settings.setBool(kSkipDeleteDialog, false);
    if (!c_.settings.getBool(kSkipDeleteDialog, false)) {
        const PromptReply reply = c_.prompts.ask({strings::text(strings::kDeletePicturesTitle), deleteQuestion(doomed),
                                                  PromptButtons::YesNo, PromptAnswer::No,
                                                  strings::text(strings::kDontDisplayAgain)});
        if (reply.checkBoxChecked)
            c_.settings.setBool(kSkipDeleteDialog, true);
        if (reply.answer != PromptAnswer::Yes)
            return false;
    }
    broadcastToViews([](ViewListener& v) { v.deleteBegins(); });
    PictureList& list = c_.lists.current();
    const int remembered = doomed.size() == 1 ? list.entries().find(0, doomed.first()) : -1;
    permanent_ = Permanent::NotAsked;
    bool any = false;
    for (const QString& path : doomed) {
        const QString sound = findCompanionSound(path, true);
        const QString backup = originalBackupPath(path);
        // The picture first: its companions and its mark go only with it.
        if (!deleteFile(path))
            continue;
        any = true;
        c_.lists.setMarked(path, false);
        pictureRemoved(path);
        if (!sound.isEmpty())
            deleteFile(sound);
        if (QFileInfo::exists(backup))
            deleteFile(backup);
    }
    if (list.count() > 0 && remembered >= 0 && any) {
        const int index = std::min(remembered, list.count() - 1);
        list.entries().setCurrentIndex(index);
        list.selection().reset(list.entries().at(index));
    } else if (doomed.size() > 1) {
        list.selection().clear(false);
    }
    return any;
}

} // namespace vistello

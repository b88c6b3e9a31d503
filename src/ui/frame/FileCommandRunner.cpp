#include "ui/frame/FileCommandRunner.h"

#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/DecodedPicture.h"
#include "organize/filecommands/FileCommands.h"
#include "organize/filecommands/ViewListener.h"
#include "resources/OrganizeStrings.h"
#include "resources/StringTable.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

namespace vistello {

FileCommandRunner::FileCommandRunner(FileCommands& files, PictureLists& lists, Prompts& prompts,
                                     std::function<void()> currentPictureChanged)
    : files_(files), lists_(lists), prompts_(prompts), currentPictureChanged_(std::move(currentPictureChanged))
{
}

void FileCommandRunner::deletePictures()
{
    const bool ctrlHeld = QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier;
    if (files_.deletePictures(ctrlHeld))
        currentPictureChanged_();
}

void FileCommandRunner::pastePicture(const QString& folder)
{
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull()) {
        prompts_.inform(QString::fromLatin1(SettingsStore::kProductName),
                        strings::text(strings::kNoClipboardPicture));
        return;
    }
    if (!folder.isEmpty() && files_.pasteFromClipboard(image, folder))
        currentPictureChanged_();
}

void FileCommandRunner::restoreOriginal()
{
    if (files_.canRestoreOriginal())
        files_.restoreOriginal();
    currentPictureChanged_();
}

void FileCommandRunner::fileDateFromExif()
{
    files_.setFileDateToExifDate();
}

void FileCommandRunner::update(const QString& folder, bool withSubfolders)
{
    clearEverywhere();
    PictureList& list = lists_.current();
    if (list.kind() == ListKind::Folder && !folder.isEmpty())
        list.rescanKeepingIndex(folder, withSubfolders);
    broadcastToViews([](ViewListener& view) { view.refreshAll(); });
    currentPictureChanged_();
}

} // namespace vistello

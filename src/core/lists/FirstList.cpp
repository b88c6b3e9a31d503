#include "core/lists/FirstList.h"

#include "core/lists/PictureLists.h"
#include "core/settings/SettingsStore.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace vistello {

namespace {

QString folderOf(const QString& path)
{
    return path.left(path.lastIndexOf(u'/') + 1);
}

QString picturesFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() || folder.endsWith(u'/') ? folder : folder + u'/';
}

} // namespace

FirstList chooseFirstList(PictureLists& lists, const PictureList& commandLinePictures, const QString& startFolder,
                          bool includeSubfolders, SettingsStore* settings, const QString& picturesFolderGiven)
{
    lists.commandLinePictures().copyFrom(commandLinePictures);
    lists.commandLinePictures().setKind(ListKind::CommandLine);
    PictureList& folderList = lists.folderPictures();
    FirstList first;

    const int given = commandLinePictures.entries().count();
    if (given == 1) {
        const QString picture = commandLinePictures.entries().at(0);
        first.source = FirstList::Source::OnePicture;
        first.folder = folderOf(picture);
        folderList.scanFolder(first.folder, false);
        const int index = folderList.entries().find(0, picture);
        folderList.entries().setCurrentIndex(index < 0 ? 0 : index);
        if (index >= 0)
            folderList.selection().reset(picture);
        lists.setCurrent(ListId::FolderPictures);
        return first;
    }
    if (given > 1) {
        first.source = FirstList::Source::CommandLine;
        lists.commandLinePictures().entries().setCurrentIndex(0);
        lists.setCurrent(ListId::CommandLinePictures);
        return first;
    }

    lists.setCurrent(ListId::FolderPictures);
    if (!startFolder.isEmpty()) {
        first.source = FirstList::Source::StartFolder;
        first.folder = startFolder;
        first.includeSubfolders = includeSubfolders;
        folderList.scanFolder(startFolder, includeSubfolders);
        return first;
    }

    const QString lastUsed = settings ? settings->get(setting::LastUsedFolder) : QString();
    // A folder deleted since the last run falls back to the pictures folder.
    if (!lastUsed.isEmpty() && QFileInfo(lastUsed).isDir()) {
        first.source = FirstList::Source::LastUsedFolder;
        first.folder = lastUsed;
        folderList.scanFolder(lastUsed, false);
        const int index = settings->get(setting::LastPictureIndex);
        if (index >= 0 && index < folderList.count())
            folderList.entries().setCurrentIndex(index);
        return first;
    }

    first.source = FirstList::Source::PicturesFolder;
    first.folder = picturesFolderGiven.isEmpty() ? picturesFolder() : picturesFolderGiven;
    folderList.scanFolder(first.folder, false);
    return first;
}

} // namespace vistello

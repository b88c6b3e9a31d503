#include "app/startup/FirstPictureList.h"

#include "core/filetypes/FolderScan.h"
#include "core/lists/PathCollation.h"
#include "core/settings/SettingsStore.h"
#include "resources/StringTable.h"

#include <QFileInfo>

namespace vistello {
namespace {

constexpr int kFolderCaptionId = 32996;
constexpr int kCommandLineCaptionId = 33003;

QString withSlash(QString folder)
{
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

FirstPictureList folderList(const QString& folder, bool recursive)
{
    FirstPictureList list;
    list.folder = withSlash(folder);
    list.pictures = scanPictures(list.folder, recursive);
    sortPaths(list.pictures);
    return list;
}

} // namespace

FirstPictureList chooseFirstPictureList(const StartupOptions& options, SettingsStore& store,
                                        const QString& picturesFolder)
{
    const QStringList& given = options.commandLinePictures;
    if (given.size() == 1) {
        // One picture opens its folder with that picture current.
        FirstPictureList list = folderList(QFileInfo(given.first()).absolutePath(), false);
        const qsizetype at = list.pictures.indexOf(given.first());
        if (at < 0) {
            list.pictures.prepend(given.first());
            list.current = 0;
        } else {
            list.current = int(at);
        }
        return list;
    }
    if (given.size() > 1) {
        FirstPictureList list;
        list.kind = FirstPictureList::Kind::CommandLine;
        list.pictures = given;
        return list;
    }
    if (!options.startFolder.isEmpty())
        return folderList(options.startFolder, options.includeSubfolders);

    QString lastFolder = store.getString(QStringLiteral("LastUsedFolder"));
    if (lastFolder.isEmpty() || !QFileInfo(lastFolder).isDir())
        return folderList(picturesFolder, false);
    FirstPictureList list = folderList(lastFolder, false);
    const int index = store.getInt(QStringLiteral("LastPictureIndex"), 0);
    list.current = index < list.pictures.size() ? index : 0;
    return list;
}

QString listCaption(const FirstPictureList& list)
{
    const QString count = QString::number(list.pictures.size());
    if (list.kind == FirstPictureList::Kind::CommandLine)
        return strings::formatInserts(strings::text(kCommandLineCaptionId), {count});
    return strings::formatInserts(strings::text(kFolderCaptionId), {count, list.folder});
}

} // namespace vistello

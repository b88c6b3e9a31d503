#include "app/startup/FirstPictureList.h"

#include "core/lists/FirstList.h"
#include "core/lists/ListKind.h"
#include "core/lists/PictureLists.h"

namespace vistello {

FirstPictureList chooseFirstPictureList(PictureLists& lists, const StartupOptions& options, SettingsStore& store,
                                        const QString& picturesFolder)
{
    PictureList given(100, ListKind::CommandLine);
    for (const QString& picture : options.commandLinePictures)
        given.entries().append(picture);

    const FirstList first =
        chooseFirstList(lists, given, options.startFolder, options.includeSubfolders, &store, picturesFolder);

    FirstPictureList result;
    const bool commandLine = first.source == FirstList::Source::CommandLine;
    result.kind = commandLine ? FirstPictureList::Kind::CommandLine : FirstPictureList::Kind::Folder;
    result.folder = first.folder;
    result.pictures = lists.current().entries().toStringList();
    const int current = lists.current().entries().currentIndex();
    result.current = current >= 0 && current < result.pictures.size() ? current : 0;
    return result;
}

QString listCaption(const FirstPictureList& list)
{
    const ListKind kind = list.kind == FirstPictureList::Kind::CommandLine ? ListKind::CommandLine : ListKind::Folder;
    return vistello::listCaption(kind, int(list.pictures.size()), list.folder);
}

} // namespace vistello

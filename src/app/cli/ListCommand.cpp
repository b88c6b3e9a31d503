// vistello-cli list [-i] [-e EXT] [--export FILE] PATH...: the picture list
// the viewer shows for the same path arguments, built by the same code, one
// full path per line; or, with --export, written as a picture-list file.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"

#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/CommandLinePictures.h"
#include "core/lists/FirstList.h"
#include "core/lists/ListFileWriter.h"
#include "core/lists/PictureLists.h"
#include "organize/comments/CommentStore.h"
#include "platform/MediaSupport.h"

namespace vistello::cli {

namespace {
constexpr const char* kName = "list";
} // namespace

int runList(const QStringList& args)
{
    // "-i" and "-e" in any case, as the viewer's options.
    const CliArguments parsed =
        parseArguments(kName, args, {{"-i", false, true}, {"-e", true, true}, {"--export", true}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    if (parsed.plain.isEmpty())
        return usageError(kName, QStringLiteral("no PATH given"));
    const bool includeSubfolders = parsed.has("-i");
    const QString listExtension = parsed.value("-e");
    const QString exportFile = parsed.value("--export");

    PictureFileTypes& types = PictureFileTypes::instance();
    types.clear();
    types.registerBuiltInsDeferringMedia(mediaPlaybackAvailable, nullptr);
    if (!listExtension.isEmpty())
        types.setListExtension(listExtension.startsWith(u'.') ? listExtension : u'.' + listExtension);

    const CommandLinePictures given = collectPathArguments(parsed.plain, includeSubfolders);
    if (!given.pathsGiven()) {
        err(QStringLiteral("vistello-cli list: no existing file or folder given\n"));
        return Failure;
    }
    if (given.nothingToShow()) {
        err(QStringLiteral("vistello-cli list: no pictures found\n"));
        return Failure;
    }

    PictureLists lists;
    chooseFirstList(lists, given.list(), QString(), includeSubfolders, nullptr);
    const QStringList pictures = lists.current().entries().toStringList();

    if (!exportFile.isEmpty()) {
        if (!writeListFile(fullPathOf(exportFile), pictures,
                           [](const QString& path) { return CommentStore::instance().get(path); })) {
            err(QStringLiteral("vistello-cli list: cannot write \"%1\"\n").arg(exportFile));
            return Failure;
        }
        return Success;
    }
    QString text;
    for (const QString& picture : pictures)
        text += picture + u'\n';
    out(text);
    return Success;
}

} // namespace vistello::cli

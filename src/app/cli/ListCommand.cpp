// vistello-cli list [-i] [-e EXT] [--export FILE] PATH...: the picture list
// the viewer shows for the same path arguments, built by the same code, one
// full path per line; or, with --export, written as a picture-list file.
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

struct ListArguments {
    bool includeSubfolders = false;
    QString listExtension;
    QString exportFile;
    QStringList paths;
};

// "-i", "-e EXT" and "--export FILE" may stand anywhere, as the viewer's
// options do; "--" makes every later argument a path.
bool parseArguments(const QStringList& args, ListArguments& parsed, QString& error)
{
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (optionsEnded || !a.startsWith(u'-') || a.size() == 1) {
            parsed.paths.append(a);
        } else if (a == QLatin1String("--")) {
            optionsEnded = true;
        } else if (a.compare(QLatin1String("-i"), Qt::CaseInsensitive) == 0) {
            parsed.includeSubfolders = true;
        } else if (a.compare(QLatin1String("-e"), Qt::CaseInsensitive) == 0 || a == QLatin1String("--export")) {
            if (i + 1 >= args.size() || args[i + 1].isEmpty()) {
                error = QStringLiteral("%1 needs a value").arg(a);
                return false;
            }
            (a == QLatin1String("--export") ? parsed.exportFile : parsed.listExtension) = args[++i];
        } else {
            error = QStringLiteral("unknown option \"%1\"").arg(a);
            return false;
        }
    }
    if (parsed.paths.isEmpty()) {
        error = QStringLiteral("no PATH given");
        return false;
    }
    return true;
}

} // namespace

int runList(const QStringList& args)
{
    ListArguments parsed;
    QString error;
    if (!parseArguments(args, parsed, error))
        return usageError(kName, error);

    PictureFileTypes& types = PictureFileTypes::instance();
    types.clear();
    types.registerBuiltInsDeferringMedia(mediaPlaybackAvailable, nullptr);
    if (!parsed.listExtension.isEmpty())
        types.setListExtension(parsed.listExtension.startsWith(u'.') ? parsed.listExtension
                                                                    : u'.' + parsed.listExtension);

    const CommandLinePictures given = collectPathArguments(parsed.paths, parsed.includeSubfolders);
    if (!given.pathsGiven()) {
        err(QStringLiteral("vistello-cli list: no existing file or folder given\n"));
        return Failure;
    }
    if (given.nothingToShow()) {
        err(QStringLiteral("vistello-cli list: no pictures found\n"));
        return Failure;
    }

    PictureLists lists;
    chooseFirstList(lists, given.list(), QString(), parsed.includeSubfolders, nullptr);
    const QStringList pictures = lists.current().entries().toStringList();

    if (!parsed.exportFile.isEmpty()) {
        if (!writeListFile(fullPathOf(parsed.exportFile), pictures,
                           [](const QString& path) { return CommentStore::instance().get(path); })) {
            err(QStringLiteral("vistello-cli list: cannot write \"%1\"\n").arg(parsed.exportFile));
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

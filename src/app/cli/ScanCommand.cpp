// vistello-cli scan [-i] FOLDER: the pictures a folder scan finds, one full
// path per line in scan order ("-i" includes the subfolders).
#include "app/cli/CliCommands.h"

#include "core/filetypes/FolderScan.h"
#include "core/filetypes/PictureFileTypes.h"
#include "platform/MediaSupport.h"

#include <QFileInfo>

namespace vistello::cli {

int runScan(const QStringList& args)
{
    bool includeSubfolders = false;
    QString folder;
    for (const QString& arg : args) {
        if (arg == QLatin1String("-i"))
            includeSubfolders = true;
        else if (arg.startsWith(QLatin1Char('-')))
            return usageError("scan", QStringLiteral("unknown option \"%1\"").arg(arg));
        else if (folder.isEmpty())
            folder = arg;
        else
            return usageError("scan", QStringLiteral("only one FOLDER may be given"));
    }
    if (folder.isEmpty())
        return usageError("scan", QStringLiteral("missing FOLDER"));

    const QFileInfo info(folder);
    if (!info.isDir()) {
        err(QStringLiteral("vistello-cli scan: no such folder \"%1\"\n").arg(folder));
        return Failure;
    }
    if (!info.isReadable() || !info.isExecutable()) {
        err(QStringLiteral("vistello-cli scan: cannot read folder \"%1\"\n").arg(folder));
        return Failure;
    }
    QString fullFolder = info.absoluteFilePath();
    if (!fullFolder.endsWith(QLatin1Char('/')))
        fullFolder += QLatin1Char('/');

    PictureFileTypes& types = PictureFileTypes::instance();
    types.clear();
    types.registerBuiltInsDeferringMedia(mediaPlaybackAvailable, nullptr);
    QString listing;
    for (const QString& path : scanPictures(fullFolder, includeSubfolders))
        listing += path + QLatin1Char('\n');
    out(listing);
    return Success;
}

} // namespace vistello::cli

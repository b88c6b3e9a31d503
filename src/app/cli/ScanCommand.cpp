// vistello-cli scan [-i] FOLDER: the pictures a folder scan finds, one full
// path per line in scan order ("-i" includes the subfolders).
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"

#include "core/filetypes/FolderScan.h"
#include "core/filetypes/PictureFileTypes.h"
#include "platform/MediaSupport.h"

#include <QFileInfo>

namespace vistello::cli {

int runScan(const QStringList& args)
{
    const CliArguments parsed = parseArguments("scan", args, {{"-i"}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    if (parsed.plain.isEmpty())
        return usageError("scan", QStringLiteral("missing FOLDER"));
    if (parsed.plain.size() > 1)
        return usageError("scan", QStringLiteral("only one FOLDER may be given"));
    const bool includeSubfolders = parsed.has("-i");
    const QString& folder = parsed.plain.front();

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

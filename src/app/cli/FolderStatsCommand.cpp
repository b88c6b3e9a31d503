// vistello-cli folder-stats [--tree-info | --drive-line] FOLDER: the
// Properties dialog's copied text for the folder and its sub-folders (CR LF
// line ends), the folder tree's "(n) (size)" beside it, or the drive line.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"

#include "core/filetypes/PictureFileTypes.h"
#include "organize/folders/FolderInfoText.h"
#include "organize/folders/TreeStatistics.h"
#include "platform/FolderPath.h"
#include "platform/MediaSupport.h"

#include <QFileInfo>

namespace vistello::cli {

int runFolderStats(const QStringList& args)
{
    const CliArguments parsed = parseArguments("folder-stats", args, {{"--tree-info"}, {"--drive-line"}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    if (parsed.plain.size() != 1)
        return usageError("folder-stats", parsed.plain.isEmpty() ? QStringLiteral("missing FOLDER")
                                                                 : QStringLiteral("only one FOLDER may be given"));
    if (parsed.has("--tree-info") && parsed.has("--drive-line"))
        return usageError("folder-stats", QStringLiteral("--tree-info and --drive-line exclude each other"));
    const QFileInfo info(parsed.plain.front());
    if (!info.isDir()) {
        err(QStringLiteral("vistello-cli folder-stats: no such folder \"%1\"\n").arg(parsed.plain.front()));
        return Failure;
    }
    const QString folder = withTrailingSlash(info.absoluteFilePath());

    PictureFileTypes& types = PictureFileTypes::instance();
    types.clear();
    types.registerBuiltInsDeferringMedia(mediaPlaybackAvailable, nullptr);
    if (parsed.has("--tree-info")) {
        out(folderInfoText(folderStatistics(folder)) + QLatin1Char('\n'));
    } else if (parsed.has("--drive-line")) {
        out(driveLine(driveSpaceOf(folder), folderStatistics(folder)) + QLatin1Char('\n'));
    } else {
        TreeStatistics stats;
        scanTreeStatistics(folder, stats, nullptr, nullptr);
        out(propertiesCopyText(driveSpaceOf(folder), folder, stats));
    }
    return Success;
}

} // namespace vistello::cli

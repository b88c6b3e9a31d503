// vistello-cli info [--summary | --section iptc|app12] FILE...: the picture
// data of each file as the picture-data list copies it (CR LF lines), with
// --summary the picture's information text with its modification date, or
// with --section the rows of that one section.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "jpegmeta/info/PictureDataText.h"
#include "jpegmeta/info/PictureInfoText.h"

#include <QFileInfo>

namespace vistello::cli {

int runInfo(const QStringList& arguments)
{
    const CliArguments parsed = parseArguments("info", arguments, {{"--summary"}, {"--section", true}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    const QStringList& files = parsed.plain;
    const bool summary = parsed.has("--summary");
    const QString section = parsed.value("--section");
    if (parsed.has("--section") && section != QLatin1String("iptc") && section != QLatin1String("app12"))
        return usageError("info", QStringLiteral("--section takes iptc or app12"));
    if (summary && parsed.has("--section"))
        return usageError("info", QStringLiteral("--summary and --section exclude each other"));
    if (files.isEmpty())
        return usageError("info", QStringLiteral("no file given"));
    int status = Success;
    bool first = true;
    for (const QString& path : files) {
        const QFileInfo info(path);
        if (!info.isFile()) {
            err(QStringLiteral("vistello-cli info: cannot open \"%1\"\n").arg(path));
            status = Failure;
            continue;
        }
        if (summary) {
            if (!first)
                out(QStringLiteral("\n"));
            out(pictureInfoText(path, modifiedDateText(path), info.size()) + QLatin1Char('\n'));
        } else if (!section.isEmpty()) {
            const PictureDataSections sections = readPictureDataSections(path);
            out(pictureDataSectionText(section == QLatin1String("iptc") ? sections.iptc : sections.app12));
        } else {
            out(pictureDataText(path, readPictureDataSections(path)));
        }
        first = false;
    }
    return status;
}

} // namespace vistello::cli

// vistello-cli info [--summary | --section iptc|app12] FILE...: the picture
// data of each file as the picture-data list copies it (CR LF lines), with
// --summary the picture's information text with its modification date (the
// format's own for media and plug-in formats), or
// with --section the rows of that one section.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliPlugins.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/decode/FormatHandler.h"
#include "jpegmeta/info/PictureDataText.h"
#include "jpegmeta/info/PictureInfoText.h"

#include <QFileInfo>

namespace vistello::cli {

int runInfo(const QStringList& arguments)
{
    const CliArguments parsed = parseArguments("info", arguments, {{"--summary"}, {"--section", true}, VISTELLO_CLI_PLUGIN_OPTIONS});
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
    if (summary && !registerFormatsWithPlugins(parsed, "info"))
        return UsageError;
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
            // Formats with an information text of their own (media, plug-ins).
            const std::unique_ptr<FormatHandler> handler = createFormatHandler(PictureFileTypes::instance(), path);
            QString text = handler ? handler->infoText(path) : QString();
            if (text.isEmpty())
                text = pictureInfoText(path, modifiedDateText(path), info.size());
            out(text + QLatin1Char('\n'));
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

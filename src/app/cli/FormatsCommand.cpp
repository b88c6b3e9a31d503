// vistello-cli formats [--plugin-dir DIR | --no-plugins]: the rows of the
// "Picture formats" page, one tab-separated line per extension: extension,
// "intern" or "extern", read/write, description. Built-in formats first,
// then the plug-in formats, each in registration order.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliPlugins.h"
#include "app/window/options/FormatRows.h"
#include "core/filetypes/PictureFileTypes.h"

namespace vistello::cli {

int runFormats(const QStringList& args)
{
    const CliArguments parsed = parseArguments("formats", args, {VISTELLO_CLI_PLUGIN_OPTIONS});
    if (parsed.exitNow)
        return *parsed.exitNow;
    if (!parsed.plain.isEmpty())
        return usageError("formats", QStringLiteral("unexpected argument \"%1\"").arg(parsed.plain.front()));
    if (!registerFormatsWithPlugins(parsed, "formats"))
        return UsageError;
    for (const FormatRow& row : formatRows(PictureFileTypes::instance()))
        out(row.extension + QLatin1Char('\t') + row.registration + QLatin1Char('\t') + row.readWrite + QLatin1Char('\t')
            + row.description + QLatin1Char('\n'));
    return Success;
}

} // namespace vistello::cli

// vistello-cli formats [--plugin-dir DIR | --no-plugins]: the format list of
// the "Picture formats" page, one tab-separated line per extension:
// extension, "intern" or "extern", read/write, description. Built-in
// formats first, then the plug-in formats, each in registration order.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliPlugins.h"
#include "core/filetypes/PictureFileTypes.h"
#include "resources/OptionsStrings.h"

namespace vistello::cli {

namespace {

QString readWriteText(const PictureFileType& type)
{
    if (type.readable && type.writable)
        return strings::text(strings::kReadWrite);
    if (type.readable)
        return strings::text(strings::kOnlyRead);
    if (type.writable)
        return strings::text(strings::kOnlyWrite);
    return {};
}

} // namespace

int runFormats(const QStringList& args)
{
    const CliArguments parsed = parseArguments("formats", args, {VISTELLO_CLI_PLUGIN_OPTIONS});
    if (parsed.exitNow)
        return *parsed.exitNow;
    if (!parsed.plain.isEmpty())
        return usageError("formats", QStringLiteral("unexpected argument \"%1\"").arg(parsed.plain.front()));
    if (!registerFormatsWithPlugins(parsed, "formats"))
        return UsageError;
    const std::vector<PictureFileType>& types = PictureFileTypes::instance().fileTypes();
    for (const bool external : {false, true})
        for (const PictureFileType& type : types)
            if (type.external == external)
                out(type.extension + QLatin1Char('\t')
                    + strings::text(external ? strings::kExtern : strings::kIntern) + QLatin1Char('\t')
                    + readWriteText(type) + QLatin1Char('\t') + type.description + QLatin1Char('\n'));
    return Success;
}

} // namespace vistello::cli

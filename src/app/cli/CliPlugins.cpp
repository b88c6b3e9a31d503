#include "app/cli/CliPlugins.h"

#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/plugins/PluginLoader.h"

namespace vistello::cli {

bool registerFormatsWithPlugins(const CliArguments& parsed, const char* command)
{
    if (parsed.has("--plugin-dir") && parsed.has("--no-plugins")) {
        usageError(command, QStringLiteral("--plugin-dir and --no-plugins exclude each other"));
        return false;
    }
    PictureFileTypes& types = PictureFileTypes::instance();
    if (!types.fileTypes().empty())
        return true;
    registerBuiltInFormats(types, true, nullptr);
    if (parsed.has("--no-plugins"))
        return true;
    const QStringList folders = parsed.has("--plugin-dir") ? QStringList{parsed.value("--plugin-dir")} : pluginFolders();
    loadPlugins(types, folders, nullptr, [command](const QString& message) {
        err(QStringLiteral("vistello-cli %1: %2\n").arg(QLatin1String(command), message));
    });
    return true;
}

} // namespace vistello::cli

#include "app/cli/PublishCommandSetup.h"

#include "app/cli/CliCommands.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "jpegedit/jpegwrite/PictureWriting.h"
#include "platform/FolderWritable.h"

#include <QDir>
#include <QFileInfo>

namespace vistello::cli {

std::optional<PublishSetup> preparePublishing(const char* command, const CliArguments& parsed)
{
    const QString name = QLatin1String(command);
    const QString settingsFile = parsed.value("-x");
    if (!settingsFile.isEmpty() && !QFileInfo(settingsFile).isReadable()) {
        err(QStringLiteral("vistello-cli %1: cannot read the settings file \"%2\"\n").arg(name, settingsFile));
        return std::nullopt;
    }
    const QString target = QDir(parsed.value("-o")).absolutePath();
    if (!QFileInfo(target).isDir() || !isFolderWritable(target)) {
        err(QStringLiteral("vistello-cli %1: The file creation failed in this folder .\nEnsure that this folder does "
                           "exist and has write permission.\n%2\n")
                .arg(name, target));
        return std::nullopt;
    }
    PublishSetup setup;
    setup.types = &PictureFileTypes::instance();
    registerBuiltInFormats(*setup.types, false, nullptr);
    enablePictureWriting(*setup.types);
    if (parsed.has("-b"))
        setup.settings.setPersonalFolder(parsed.value("-b"));
    setup.settings.load(settingsFile);
    setup.targetFolder = target.endsWith(QLatin1Char('/')) ? target : target + QLatin1Char('/');
    return setup;
}

std::optional<int> optionInRange(const CliArguments& parsed, const char* name, int min, int max)
{
    if (!parsed.has(name))
        return std::nullopt;
    bool ok = false;
    const int value = parsed.value(name).toInt(&ok);
    if (!ok || value < min || value > max)
        return std::nullopt;
    return value;
}

} // namespace vistello::cli

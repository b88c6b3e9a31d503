// vistello-cli convert --to EXT [-x SETTINGS] [--on-error cancel|continue]
// FILE...: converts each picture into the format of EXT beside it and
// prints each written path. A target that exists already is skipped and
// reported; a damaged source is reported and left alone. When a target
// cannot be written, "cancel" (the default) ends the batch.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/BuiltInFormats.h"
#include "jpegedit/convert/ConvertPicture.h"
#include "jpegedit/jpegwrite/PictureWriting.h"

#include <QFileInfo>

namespace vistello::cli {

namespace {

constexpr const char* kName = "convert";

QString failureText(const ConvertResult& result)
{
    switch (result.status) {
    case ConvertStatus::TargetExists:
        return QStringLiteral("\"%1\" exists already; skipped").arg(result.targetPath);
    case ConvertStatus::DecodeFailed:
        return QStringLiteral("cannot decode: %1").arg(result.message);
    case ConvertStatus::WriteFailed:
        return QStringLiteral("the file \"%1\" could not be created: %2").arg(result.targetPath, result.message);
    case ConvertStatus::Written:
    case ConvertStatus::SameFormat:
    case ConvertStatus::NotWritable:
        break;
    }
    return {};
}

} // namespace

int runConvert(const QStringList& args)
{
    const CliArguments parsed = parseArguments(kName, args, {{"--to", true}, {"-x", true}, {"--on-error", true}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    ConvertOptions options;
    options.targetExtension = parsed.value("--to");
    if (!options.targetExtension.startsWith(QLatin1Char('.')))
        options.targetExtension.prepend(QLatin1Char('.'));
    const QString onError = parsed.has("--on-error") ? parsed.value("--on-error") : QStringLiteral("cancel");
    if (onError != QLatin1String("cancel") && onError != QLatin1String("continue"))
        return usageError(kName, QStringLiteral("--on-error wants cancel or continue"));
    if (!parsed.has("--to") || options.targetExtension.size() < 2)
        return usageError(kName, QStringLiteral("--to EXT is needed"));
    if (parsed.plain.isEmpty())
        return usageError(kName, QStringLiteral("no file given"));

    PictureFileTypes& types = PictureFileTypes::instance();
    registerBuiltInFormats(types, false, nullptr);
    enablePictureWriting(types);
    const PictureFileType* target = types.typeOf(QStringLiteral("x") + options.targetExtension);
    if (!target || !target->writable)
        return usageError(kName, QStringLiteral("no picture format writes \"%1\"").arg(options.targetExtension));

    const QString settingsFile = parsed.value("-x");
    if (!settingsFile.isEmpty() && !QFileInfo(settingsFile).isReadable()) {
        err(QStringLiteral("vistello-cli convert: cannot read the settings file \"%1\"\n").arg(settingsFile));
        return Failure;
    }
    SettingsStore settings;
    settings.load(settingsFile);
    if (!target->formatName.isEmpty())
        options.targetProperties = settings.getString(target->formatName + QStringLiteral("_property"));

    int status = Success;
    for (const QString& file : parsed.plain) {
        const ConvertResult result = convertPicture(types, file, options);
        if (result.status == ConvertStatus::Written) {
            out(result.targetPath + QLatin1Char('\n'));
            continue;
        }
        if (result.status == ConvertStatus::SameFormat || result.status == ConvertStatus::NotWritable)
            continue;
        err(QStringLiteral("vistello-cli convert: %1: %2\n").arg(file, failureText(result)));
        status = Failure;
        if (result.status == ConvertStatus::WriteFailed && onError == QLatin1String("cancel"))
            break;
    }
    return status;
}

} // namespace vistello::cli

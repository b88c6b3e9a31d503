// vistello-cli redeye --rect L,T,R,B [--rect ...] [--intensity N] [--test]
// [--copy|--no-copy] [-x SETTINGS] FILE: tests each area (picture
// coordinates of the upright picture, right and bottom exclusive) for red
// eyes and prints "L,T,R,B<TAB>red|not red<TAB>COUNT/AREA"; without --test
// every red area is corrected at the intensity ("RAIntensityLevel" when not
// given) and "changed N" is printed, then the picture is saved as the mode's
// "Save" does (into a "Copy of" file unless --no-copy, "RAMakeCopy" when
// neither is given) and the written path printed. Exit 1 when no area is
// red or the picture cannot be read or saved.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/BuiltInFormats.h"
#include "jpegedit/jpegwrite/PictureWriting.h"
#include "jpegedit/redeye/RedEyeFile.h"

#include <QFileInfo>

namespace vistello::cli {

namespace {

constexpr const char* kName = "redeye";

std::optional<RedEyeRect> parseRect(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    int values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || values[i] < 0)
            return std::nullopt;
    }
    RedEyeRect rect{values[0], values[1], values[2], values[3]};
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return std::nullopt;
    return rect;
}

QString rectText(const RedEyeRect& r)
{
    return QStringLiteral("%1,%2,%3,%4").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom);
}

QString saveFailure(const RedEyeSaveResult& r)
{
    switch (r.status) {
    case RedEyeSaveStatus::Unchanged: return QStringLiteral("nothing was changed: nothing written");
    case RedEyeSaveStatus::NotWritable: return QStringLiteral("no picture format writes this file type");
    case RedEyeSaveStatus::BackupFailed: return QStringLiteral("the .original backup could not be made (left unchanged)");
    case RedEyeSaveStatus::WriteFailed:
        return QStringLiteral("the file \"%1\" could not be created: %2").arg(r.targetPath, r.message);
    case RedEyeSaveStatus::Written: break;
    }
    return {};
}

} // namespace

int runRedEye(const QStringList& args)
{
    const CliArguments parsed = parseArguments(
        kName, args,
        {{"--rect", true}, {"--intensity", true}, {"--test"}, {"--copy"}, {"--no-copy"}, {"-x", true}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    if (parsed.plain.size() != 1)
        return usageError(kName, QStringLiteral("give exactly one picture"));
    if (parsed.has("--copy") && parsed.has("--no-copy"))
        return usageError(kName, QStringLiteral("--copy and --no-copy exclude each other"));
    std::vector<RedEyeRect> rects;
    for (const auto& [name, value] : parsed.options) {
        if (name != QLatin1String("--rect"))
            continue;
        const std::optional<RedEyeRect> rect = parseRect(value);
        if (!rect)
            return usageError(kName, QStringLiteral("--rect wants L,T,R,B with L < R and T < B, got \"%1\"").arg(value));
        rects.push_back(*rect);
    }
    if (rects.empty())
        return usageError(kName, QStringLiteral("no --rect given"));

    const QString settingsFile = parsed.value("-x");
    if (!settingsFile.isEmpty() && !QFileInfo(settingsFile).isReadable()) {
        err(QStringLiteral("vistello-cli redeye: cannot read the settings file \"%1\"\n").arg(settingsFile));
        return Failure;
    }
    SettingsStore settings;
    settings.load(settingsFile);
    int intensity = settings.get(setting::RAIntensityLevel);
    if (parsed.has("--intensity")) {
        bool ok = false;
        intensity = parsed.value("--intensity").toInt(&ok);
        if (!ok || intensity < kMinRedEyeIntensity || intensity > kMaxRedEyeIntensity)
            return usageError(kName, QStringLiteral("--intensity wants a whole number from 1 to 50"));
    }
    const bool makeCopy = parsed.has("--copy") || (!parsed.has("--no-copy") && settings.get(setting::RAMakeCopy));

    PictureFileTypes& types = PictureFileTypes::instance();
    registerBuiltInFormats(types, false, nullptr);
    enablePictureWriting(types);
    const QString file = parsed.plain.first();
    QString error;
    std::optional<RedEyeSource> source = loadForRedEye(file, settings.get(setting::Orientation), &error);
    if (!source) {
        err(QStringLiteral("vistello-cli redeye: %1: cannot decode (left unchanged): %2\n").arg(file, error));
        return Failure;
    }
    const int orientation = source->orientation;
    RedEyePicture picture(std::move(source->pixels));
    if (picture.empty()) {
        err(QStringLiteral("vistello-cli redeye: %1: not enough memory\n").arg(file));
        return Failure;
    }

    bool anyRed = false;
    for (const RedEyeRect& rect : rects) {
        const RedTest test = picture.testSelection(rect);
        out(QStringLiteral("%1\t%2\t%3/%4\n")
                .arg(rectText(rect), test.red() ? QStringLiteral("red") : QStringLiteral("not red"))
                .arg(test.redPixels)
                .arg(test.area));
        anyRed = anyRed || test.red();
        if (test.red() && !parsed.has("--test"))
            out(QStringLiteral("changed %1\n").arg(picture.correctSelection(rect, intensity)));
    }
    if (!anyRed)
        return Failure;
    if (parsed.has("--test"))
        return Success;

    RedEyeSaveOptions options;
    options.makeCopy = makeCopy;
    options.copyOriginal = settings.get(setting::CopyOriginal);
    if (const PictureFileType* type = types.typeOf(file))
        options.formatOptions = settings.getString(type->formatName + QStringLiteral("_property"));
    const RedEyeSaveResult saved = saveRedEye(types, file, picture, orientation, options);
    if (saved.status != RedEyeSaveStatus::Written) {
        err(QStringLiteral("vistello-cli redeye: %1: %2\n").arg(file, saveFailure(saved)));
        return Failure;
    }
    out(saved.targetPath + QLatin1Char('\n'));
    return Success;
}

} // namespace vistello::cli

// vistello-cli crop (--short WxH+X+Y [--caret N] | --kind K --rect X,Y,W,H)
// [--lock Z:N] [--dry-run] [--copy|--no-copy] [--thumbs] [-x SETTINGS] FILE:
// the crop page's rules on a typed rectangle, then the crop as the viewer
// executes it. Prints the normalised short form, then the written path.
// --kind is the edit typed (1 width, 2 height, 3 left, 4 top); --caret the
// caret position in the short form (default: its end). Make copy and
// CopyOriginal come from the settings file -x names, else the user's own.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/decode/FormatHandler.h"
#include "jpegedit/crop/CropExecution.h"

#include <QFile>
#include <QFileInfo>

#include <memory>
#include <optional>

namespace vistello::cli {

namespace {

constexpr const char* kName = "crop";

std::optional<CropSelection> parseRect(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].toInt(&ok);
        if (!ok || v[i] < 0)
            return std::nullopt;
    }
    return CropSelection{v[0], v[1], v[2], v[3]};
}

std::optional<CropRatio> parseLock(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    bool okZ = false;
    bool okN = false;
    if (parts.size() != 2)
        return std::nullopt;
    const int z = parts[0].toInt(&okZ);
    const int n = parts[1].toInt(&okN);
    if (!okZ || !okN || z < 1 || n < 1)
        return std::nullopt;
    return reducedRatio(z, n, true);
}

std::optional<CropFrame> frameOf(const QString& path)
{
    std::unique_ptr<FormatHandler> handler = createFormatHandler(PictureFileTypes::instance(), path);
    if (!handler)
        return std::nullopt;
    handler->readHeader(path);
    if (!handler->valid || handler->imageWidth < 1 || handler->imageHeight < 1)
        return std::nullopt;
    return CropFrame{handler->imageWidth, handler->imageHeight, handler->mcuWidth, handler->mcuHeight}.sanitised();
}

QString failureText(const PictureTransformResult& result)
{
    if (result.skipped)
        return QStringLiteral("not cropped (not a JPEG picture, or the copy or backup failed)");
    switch (result.outcome.failure) {
    case TransformFailure::WriteProtected:
        return QStringLiteral("The selected picture is write protected and therefore cannot be cropped.");
    case TransformFailure::BadCrop: return QStringLiteral("crop rectangle outside the picture");
    case TransformFailure::BadData: return QStringLiteral("not croppable: ") + result.outcome.libraryMessage;
    default: break;
    }
    return QStringLiteral("cannot write the cropped picture");
}

} // namespace

int runCrop(const QStringList& arguments)
{
    const CliArguments parsed =
        parseArguments(kName, arguments,
                       {{"--short", true}, {"--caret", true}, {"--kind", true}, {"--rect", true}, {"--lock", true},
                        {"--dry-run"}, {"--copy"}, {"--no-copy"}, {"--thumbs"}, {"-x", true}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    if (parsed.plain.size() != 1)
        return usageError(kName, QStringLiteral("give exactly one picture"));
    const bool typedShort = parsed.has("--short");
    if (typedShort == (parsed.has("--kind") || parsed.has("--rect")))
        return usageError(kName, QStringLiteral("give either --short or --kind with --rect"));
    if (parsed.has("--copy") && parsed.has("--no-copy"))
        return usageError(kName, QStringLiteral("--copy and --no-copy exclude each other"));
    CropRatio ratio;
    if (parsed.has("--lock")) {
        const auto lock = parseLock(parsed.value("--lock"));
        if (!lock)
            return usageError(kName, QStringLiteral("--lock needs Z:N with both at least 1"));
        ratio = *lock;
    }
    const QString settingsFile = parsed.value("-x");
    if (!settingsFile.isEmpty() && !QFile(settingsFile).open(QIODevice::ReadOnly)) {
        err(QStringLiteral("vistello-cli crop: cannot read the settings file \"%1\"\n").arg(settingsFile));
        return Failure;
    }
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    const QString picture = parsed.plain.front();
    const std::optional<CropFrame> frame = frameOf(picture);
    if (!frame) {
        err(QStringLiteral("vistello-cli crop: %1: cannot read the picture\n").arg(picture));
        return Failure;
    }

    CropSelection selection;
    if (typedShort) {
        const QString text = parsed.value("--short");
        int caret = int(text.size());
        if (parsed.has("--caret")) {
            bool ok = false;
            caret = parsed.value("--caret").toInt(&ok);
            if (!ok || caret < 0)
                return usageError(kName, QStringLiteral("--caret needs a position"));
        }
        selection = normaliseShortForm(text, caret, *frame, ratio);
    } else {
        bool ok = false;
        const int kind = parsed.value("--kind").toInt(&ok);
        const auto rect = parseRect(parsed.value("--rect"));
        if (!ok || kind < 1 || kind > 4)
            return usageError(kName, QStringLiteral("--kind needs 1 (width), 2 (height), 3 (left) or 4 (top)"));
        if (!rect)
            return usageError(kName, QStringLiteral("--rect needs X,Y,W,H"));
        selection = normaliseTyped(*rect, CropEdit(kind), *frame, ratio);
    }
    out(shortForm(selection) + QLatin1Char('\n'));
    if (parsed.has("--dry-run"))
        return Success;

    SettingsStore settings;
    settings.load(settingsFile);
    CropRun run;
    run.selection = selection;
    run.makeCopy = parsed.has("--copy") || (!parsed.has("--no-copy") && settings.get(setting::CropMakeCopy));
    run.copyOriginal = settings.get(setting::CopyOriginal);
    run.adjustThumbnails = parsed.has("--thumbs");
    const PictureTransformResult result = executeCrop(picture, run);
    if (!result.ok()) {
        err(QStringLiteral("vistello-cli crop: %1: %2\n").arg(picture, failureText(result)));
        return Failure;
    }
    out(result.writtenPath + QLatin1Char('\n'));
    return Success;
}

} // namespace vistello::cli

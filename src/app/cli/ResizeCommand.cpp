// vistello-cli resize [--box WxH | --percent P] [--quality L[,C]]
// [--max-kb N] [--copy] [--upright] [--trace] [-x SETTINGS]
// [--on-error cancel|continue] FILE...: resizes each picture in place (with
// the ".original" backup when CopyOriginal is on) or into a "Copy of" file
// and prints PATH, WxH, BYTES and L,C of each written file, tab-separated.
// Without any of --box, --percent, --quality and --max-kb the settings'
// "Resize" record decides. --trace prints every trial of a size search on
// stderr. A damaged picture is left alone; a file the limit could not be
// met for is written as small as the search got it; both count as failures.
// A file that cannot be written, or whose wanted backup cannot be made, ends
// the batch unless --on-error continue.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/jobs/JobQuestion.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/BuiltInFormats.h"
#include "jpegedit/jpegwrite/PictureWriting.h"
#include "jpegedit/resize/ResizePicture.h"
#include "jpegedit/resize/ResizeRules.h"

#include <QFileInfo>

namespace vistello::cli {

namespace {

constexpr const char* kName = "resize";

int parseQuality(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 0 && value <= 100 ? value : -1;
}

// "L" (both tables) or "L,C", each 0-100.
bool parseQualities(const QString& text, ResizeSettings& record)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() > 2)
        return false;
    record.lumaQuality = parseQuality(parts[0]);
    record.chromaQuality = parts.size() == 2 ? parseQuality(parts[1]) : record.lumaQuality;
    record.qualityGiven = true;
    return record.lumaQuality >= 0 && record.chromaQuality >= 0;
}

QString sizeLine(const ResizeResult& r)
{
    return QStringLiteral("%1\t%2x%3\t%4\t%5\n")
        .arg(r.targetPath)
        .arg(r.width)
        .arg(r.height)
        .arg(r.bytes)
        .arg(formatJpegOptions(r.qualities));
}

QString failureText(const ResizeResult& r, int limitKB)
{
    switch (r.status) {
    case ResizeStatus::LimitNotMet:
        return QStringLiteral("could not be brought to %1 KB or less (smallest: %2 bytes)").arg(limitKB).arg(r.bytes);
    case ResizeStatus::NotWritable: return QStringLiteral("no picture format writes this file type");
    case ResizeStatus::DecodeFailed: return QStringLiteral("cannot decode (left unchanged): %1").arg(r.message);
    case ResizeStatus::BackupFailed: return QStringLiteral("the .original backup could not be made (left unchanged)");
    case ResizeStatus::WriteFailed:
        return QStringLiteral("the file \"%1\" could not be created: %2").arg(r.targetPath, r.message);
    case ResizeStatus::Written: break;
    }
    return {};
}

} // namespace

int runResize(const QStringList& args)
{
    const CliArguments parsed = parseArguments(kName, args,
                                               {{"--box", true}, {"--percent", true}, {"--quality", true},
                                                {"--max-kb", true}, {"--copy"}, {"--upright"}, {"--trace"},
                                                {"-x", true}, {"--on-error", true}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    const QString onError = parsed.has("--on-error") ? parsed.value("--on-error") : QStringLiteral("cancel");
    if (onError != QLatin1String("cancel") && onError != QLatin1String("continue"))
        return usageError(kName, QStringLiteral("--on-error wants cancel or continue"));
    if (parsed.has("--box") && parsed.has("--percent"))
        return usageError(kName, QStringLiteral("--box and --percent exclude each other"));

    ResizeSettings record;
    record.enabled = parsed.has("--box") || parsed.has("--percent");
    record.qualityGiven = false;
    if (parsed.has("--box")) {
        const std::optional<QSize> box = parseBox(parsed.value("--box"));
        if (!box)
            return usageError(kName, badBoxMessage(parsed.value("--box")));
        record.width = box->width();
        record.height = box->height();
    }
    if (parsed.has("--percent")) {
        bool ok = false;
        const double percent = parsed.value("--percent").toDouble(&ok);
        if (!ok || !(percent > 0) || percent > kMaxResizePercent)
            return usageError(kName, QStringLiteral("--percent wants a number above 0 and up to 10000"));
        record.fixedSize = false;
        setResizePercent(record, percent);
    }
    if (parsed.has("--quality") && !parseQualities(parsed.value("--quality"), record))
        return usageError(kName, QStringLiteral("--quality wants L or L,C with qualities 0 to 100"));
    if (parsed.has("--max-kb")) {
        bool ok = false;
        record.sizeLimitKilobytes = parsed.value("--max-kb").toInt(&ok);
        if (!ok || record.sizeLimitKilobytes < 1)
            return usageError(kName, QStringLiteral("--max-kb wants a whole number of kilobytes, 1 or more"));
        record.sizeLimitGiven = true;
    }
    if (record.enabled && record.qualityGiven && record.sizeLimitGiven)
        return usageError(kName, QStringLiteral("--max-kb goes with a size or with --quality, not with both"));
    if (parsed.plain.isEmpty())
        return usageError(kName, QStringLiteral("no file given"));

    const QString settingsFile = parsed.value("-x");
    if (!settingsFile.isEmpty() && !QFileInfo(settingsFile).isReadable()) {
        err(QStringLiteral("vistello-cli resize: cannot read the settings file \"%1\"\n").arg(settingsFile));
        return Failure;
    }
    SettingsStore settings;
    settings.load(settingsFile);
    if (!record.enabled && !record.qualityGiven && !record.sizeLimitGiven)
        record = settings.getRecord(SettingsStore::name(setting::Resize), ResizeSettings{});

    PictureFileTypes& types = PictureFileTypes::instance();
    registerBuiltInFormats(types, false, nullptr);
    enablePictureWriting(types);
    ResizeOptions options = resizeOptionsFrom(settings, types, record, parsed.has("--copy"));
    options.request.upright = parsed.has("--upright");
    if (parsed.has("--trace"))
        options.trace = [](const ResizeCandidate& trial) {
            err(QStringLiteral("trial %1x%2 %3 %4 bytes\n")
                    .arg(trial.width)
                    .arg(trial.height)
                    .arg(formatJpegOptions(trial.qualities))
                    .arg(trial.size()));
        };
    FixedJobAnswer answer(onError == QLatin1String("cancel") ? PromptAnswer::Cancel : PromptAnswer::No);
    const std::atomic<bool> noStop{false};

    int status = Success;
    for (const QString& file : parsed.plain) {
        const ResizeResult result = resizePicture(types, file, options);
        if (result.written())
            out(sizeLine(result));
        if (result.status == ResizeStatus::Written)
            continue;
        err(QStringLiteral("vistello-cli resize: %1: %2\n").arg(file, failureText(result, options.request.fileSizeKB)));
        status = Failure;
        // A picture left as it was because its backup could not be made was
        // not written either: --on-error decides for both alike.
        const bool notWritten =
            result.status == ResizeStatus::WriteFailed || result.status == ResizeStatus::BackupFailed;
        if (notWritten && cancelAfterFailedWrite(&answer, result.targetPath, noStop))
            break;
    }
    return status;
}

} // namespace vistello::cli

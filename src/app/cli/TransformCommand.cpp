// vistello-cli transform OP [--copy] [--gray] [--crop X,Y,W,H] [--no-exif-update] [-x SETTINGS] FILE...:
// the lossless transform commands on JPEG files, with the copy or the
// ".original" backup as the viewer makes them. Prints each written path.
// CopyOriginal comes from the settings file -x names (which must be
// readable), else from the user's own.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/BuiltInFormats.h"
#include "jpegedit/batch/PictureTransform.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

namespace vistello::cli {

namespace {

constexpr const char* kName = "transform";

struct OpName {
    const char* name;
    TransformOp op;
};

constexpr OpName kOpNames[] = {
    {"none", TransformOp::None},           {"flip-h", TransformOp::FlipH},         {"flip-v", TransformOp::FlipV},
    {"transpose", TransformOp::Transpose}, {"transverse", TransformOp::Transverse}, {"rotate-90", TransformOp::Rotate90},
    {"rotate-180", TransformOp::Rotate180}, {"rotate-270", TransformOp::Rotate270},
};

std::optional<TransformOp> opNamed(const QString& name)
{
    for (const OpName& o : kOpNames)
        if (name == QLatin1String(o.name))
            return o.op;
    return std::nullopt;
}

bool parseCrop(const QString& text, TransformRequest& request)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return false;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].toInt(&ok);
        if (!ok || v[i] < 0)
            return false;
    }
    request.setCrop(v[0], v[1], v[2], v[3]);
    request.crop = true;
    return true;
}

bool readableFile(const QString& path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
}

QString failureText(const PictureTransformResult& result)
{
    if (result.skipped)
        return QStringLiteral("not changed (not a JPEG picture, or the copy or backup failed)");
    switch (result.outcome.failure) {
    case TransformFailure::BadCrop: return QStringLiteral("crop rectangle outside the picture");
    case TransformFailure::TooSmall: return QStringLiteral("picture smaller than one block in a mirrored direction");
    case TransformFailure::WriteProtected: return QStringLiteral("write protected");
    case TransformFailure::SameFile: return QStringLiteral("target is the source");
    case TransformFailure::CannotRead: return QStringLiteral("cannot read");
    case TransformFailure::CannotWrite: return QStringLiteral("cannot write");
    case TransformFailure::BadData:
        return QStringLiteral("not transformable: ") + result.outcome.libraryMessage;
    case TransformFailure::None: break;
    }
    return QStringLiteral("failed");
}

} // namespace

int runTransform(const QStringList& arguments)
{
    const CliArguments parsed = parseArguments(kName, arguments,
                                               {{"--copy"}, {"--gray"}, {"--crop", true}, {"--no-exif-update"}, {"-x", true}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    QStringList files = parsed.plain;
    if (files.isEmpty())
        return usageError(kName, QStringLiteral("no operation given"));
    PictureTransformOptions options;
    const QString opText = files.takeFirst();
    if (opText == QLatin1String("auto")) {
        options.autoRotate = true;
    } else if (const auto op = opNamed(opText)) {
        options.request.op = *op;
    } else {
        return usageError(kName, QStringLiteral("unknown operation \"%1\"").arg(opText));
    }
    options.makeCopy = parsed.has("--copy");
    options.request.forceGray = parsed.has("--gray");
    options.request.adjustThumbnails = !parsed.has("--no-exif-update");
    if (parsed.has("--crop") && !parseCrop(parsed.value("--crop"), options.request))
        return usageError(kName, QStringLiteral("--crop needs X,Y,W,H"));
    if (files.isEmpty())
        return usageError(kName, QStringLiteral("no file given"));

    // A named settings file that cannot be read would silently mean the defaults.
    const QString settingsFile = parsed.value("-x");
    if (!settingsFile.isEmpty() && !readableFile(settingsFile)) {
        err(QStringLiteral("vistello-cli transform: cannot read the settings file \"%1\"\n").arg(settingsFile));
        return Failure;
    }
    SettingsStore settings;
    settings.load(settingsFile);
    options.copyOriginal = settings.get(setting::CopyOriginal);
    options.removeFailedCopy = true;
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);

    int status = Success;
    for (const QString& file : files) {
        const PictureTransformResult result = transformPicture(file, options);
        if (result.ok()) {
            out(result.writtenPath + QLatin1Char('\n'));
        } else {
            err(QStringLiteral("vistello-cli transform: %1: %2\n").arg(file, failureText(result)));
            status = Failure;
        }
    }
    return status;
}

} // namespace vistello::cli

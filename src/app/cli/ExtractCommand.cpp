// vistello-cli extract thumbnail|sound|profile FILE [-o OUT] [--proposed]:
// one embedded extra of a picture, as the preview strip's menu saves it.
// Prints "N bytes"; with -o the bytes go to OUT, with --proposed to the
// name the save dialog proposes (beside the picture; its path is printed
// too). Without either nothing is written. A picture without the extra
// exits 1 with the message the menu command shows.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "app/window/pictureinfo/EmbeddedExtrasSave.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "platform/FileReplace.h"
#include "resources/MetaStrings.h"
#include "resources/PublishStrings.h"

#include <QDir>
#include <QFileInfo>

namespace vistello::cli {

namespace {

struct Extra {
    std::optional<QByteArray> bytes;
    QString missing;  // the message when there is none
    QString proposed; // the save dialog's proposal
};

std::optional<Extra> extract(const QString& kind, const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath() + QLatin1Char('/');
    if (kind == QLatin1String("thumbnail"))
        return Extra{savableThumbnail(path),
                     QStringLiteral("The picture \"%1\"\ndoes not contain an embedded thumbnail.").arg(path),
                     thumbnailSaveName(QFileInfo(path).absoluteFilePath())};
    if (kind == QLatin1String("sound"))
        return Extra{embeddedSound(path), strings::formatInserts(strings::text(strings::kNoEmbeddedAudio), {path}),
                     folder + extraSaveName(path, QStringLiteral(".wav"))};
    if (kind == QLatin1String("profile"))
        return Extra{embeddedColourProfile(path),
                     strings::formatInserts(strings::text(strings::kNoColourProfile), {path}),
                     folder + extraSaveName(path, QStringLiteral(".icm"))};
    return std::nullopt;
}

} // namespace

int runExtract(const QStringList& args)
{
    const CliArguments parsed = parseArguments("extract", args, {{"-o", true}, {"--proposed"}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    if (parsed.plain.size() != 2)
        return usageError("extract", QStringLiteral("give what to extract and one file"));
    if (parsed.has("-o") && parsed.has("--proposed"))
        return usageError("extract", QStringLiteral("-o and --proposed exclude each other"));
    const QString& kind = parsed.plain[0];
    if (!QStringList{QStringLiteral("thumbnail"), QStringLiteral("sound"), QStringLiteral("profile")}.contains(kind))
        return usageError("extract", QStringLiteral("what to extract: thumbnail, sound or profile"));
    const QString& path = parsed.plain[1];
    if (!QFileInfo(path).isFile()) {
        err(QStringLiteral("vistello-cli extract: cannot open \"%1\"\n").arg(path));
        return Failure;
    }
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    const std::optional<Extra> extra = extract(kind, path);
    if (!extra->bytes) {
        err(extra->missing + QLatin1Char('\n'));
        return Failure;
    }

    const QString target = parsed.has("--proposed") ? extra->proposed : parsed.value("-o");
    if (!target.isEmpty()) {
        QString error;
        if (!writeProductFile(target, *extra->bytes, &error)) {
            err(strings::text(strings::kCannotCreate).arg(QDir::toNativeSeparators(target)) + QLatin1Char('\n')
                + (error.isEmpty() ? QString() : error + QLatin1Char('\n')));
            return Failure;
        }
    }
    out(QStringLiteral("%1 bytes\n").arg(extra->bytes->size()));
    if (parsed.has("--proposed"))
        out(target + QLatin1Char('\n'));
    return Success;
}

} // namespace vistello::cli

// vistello-cli split-panorama --printer WxH [--landscape] [--overlap N]
// [--dry-run] FILE -o FOLDER: cuts a wide picture into printer-page segments
// "name-N.ext" in FOLDER, losslessly. Prints one "n, x, width" line per
// segment, then the written paths. A plan whose cuts would not advance is
// refused before anything is written.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "publish/panorama/PanoramaSplit.h"

#include <QFileInfo>

namespace vistello::cli {

namespace {

constexpr const char* kName = "split-panorama";

int fail(const QString& message)
{
    err(QStringLiteral("vistello-cli split-panorama: %1\n").arg(message));
    return Failure;
}

} // namespace

int runSplitPanorama(const QStringList& arguments)
{
    const CliArguments parsed = parseArguments(
        kName, arguments, {{"--printer", true}, {"--landscape"}, {"--overlap", true}, {"--dry-run"}, {"-o", true}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    if (parsed.plain.size() != 1)
        return usageError(kName, QStringLiteral("give exactly one picture"));
    if (!parsed.has("-o"))
        return usageError(kName, QStringLiteral("no target folder given (-o)"));
    const QStringList printer = parsed.value("--printer").split(QLatin1Char('x'));
    bool okX = false;
    bool okY = false;
    PanoramaSplitRequest request;
    if (printer.size() == 2) {
        request.printerX = printer[0].toInt(&okX);
        request.printerY = printer[1].toInt(&okY);
    }
    if (!okX || !okY || request.printerX < 1 || request.printerY < 1)
        return usageError(kName, QStringLiteral("--printer needs WxH in pixels"));
    if (parsed.has("--overlap")) {
        bool ok = false;
        request.overlap = parsed.value("--overlap").toInt(&ok);
        if (!ok || request.overlap < 0)
            return usageError(kName, QStringLiteral("--overlap needs a number of pixels"));
    }
    request.landscape = parsed.has("--landscape");
    request.picture = parsed.plain.front();
    request.folder = parsed.value("-o");
    if (!QFileInfo(request.folder).isDir())
        return fail(QStringLiteral("no folder \"%1\"").arg(request.folder));
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);

    const PanoramaSplitResult planned = planPanoramaSplit(request);
    switch (planned.failure) {
    case PanoramaFailure::Unreadable: return fail(QStringLiteral("%1: cannot read the picture").arg(request.picture));
    case PanoramaFailure::Stalls:
        return fail(QStringLiteral("the overlap leaves no step between segments on the picture's block grid"));
    default: break;
    }
    for (const PanoramaSegment& s : planned.plan.segments)
        out(QStringLiteral("%1, %2, %3\n").arg(s.number).arg(s.x).arg(s.width));
    const PanoramaSplitResult result = splitPanorama(request, parsed.has("--dry-run"));
    for (const QString& path : result.written)
        out(path + QLatin1Char('\n'));
    switch (result.failure) {
    case PanoramaFailure::None: return Success;
    case PanoramaFailure::WouldReplaceSource:
        return fail(QStringLiteral("a segment would replace the picture itself"));
    default:
        return fail(QStringLiteral("An error occurred while splitting the panorama.\n"
                                   "One or more splitted pictures could not be created."));
    }
}

} // namespace vistello::cli

// vistello-cli histogram FILE: the histogram view's numbers of a picture
// decoded into 256 x 256: the average grey value (percent) on the first
// line, then the red, green, blue and luminance counters, 256 a line.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/decode/DecodeMessage.h"
#include "imaging/histogram/Histogram.h"

namespace vistello::cli {

namespace {

constexpr const char* kName = "histogram";

QString countersLine(const LevelCounters& counters)
{
    QString line;
    for (uint32_t n : counters) {
        if (!line.isEmpty())
            line += u' ';
        line += QString::number(n);
    }
    return line + u'\n';
}

} // namespace

int runHistogram(const QStringList& args)
{
    const CliArguments parsed = parseArguments(kName, args, {});
    if (parsed.exitNow)
        return *parsed.exitNow;
    if (parsed.plain.size() != 1)
        return usageError(kName, parsed.plain.isEmpty() ? QStringLiteral("no file given")
                                                        : QStringLiteral("unexpected argument \"%1\"").arg(parsed.plain[1]));
    const QString& path = parsed.plain.front();
    PictureFileTypes& types = PictureFileTypes::instance();
    if (types.fileTypes().empty())
        registerBuiltInFormats(types, false, nullptr);
    const Histogram h = readHistogram(path);
    if (h.failed) {
        err(QStringLiteral("vistello-cli histogram: cannot decode \"%1\": %2\n").arg(path, lastDecodeMessage()));
        return Failure;
    }
    out(QString::number(h.averageGrey) + u'\n' + countersLine(h.red) + countersLine(h.green) + countersLine(h.blue)
        + countersLine(h.luminance));
    return Success;
}

} // namespace vistello::cli

// vistello-cli index -o TARGET [-x SETTINGS] [--pattern P] [--columns N]
// [--rows N] [--cell WxH] [--border X,Y] [--film] [--background R,G,B]
// FILE...: renders the pictures onto index pictures in TARGET, from the
// index settings (of -x) with the options laid over them. Prints
// "PATH<TAB>WxH<TAB>CELLS" per written sheet; a refusal or a sheet that
// could not be written is reported once and makes the exit status 1.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "app/cli/PublishCommandSetup.h"
#include "publish/indexsheet/IndexSheetRun.h"

namespace vistello::cli {

namespace {

constexpr const char* kName = "index";

// "A,B" or "A,B,C" of numbers within min..max.
std::optional<QList<int>> numberList(const QString& text, int count, int min, int max)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != count)
        return std::nullopt;
    QList<int> numbers;
    for (const QString& part : parts) {
        bool ok = false;
        const int n = part.toInt(&ok);
        if (!ok || n < min || n > max)
            return std::nullopt;
        numbers.append(n);
    }
    return numbers;
}

} // namespace

int runIndex(const QStringList& args)
{
    const CliArguments parsed =
        parseArguments(kName, args,
                       {{"-o", true}, {"-x", true}, {"--pattern", true}, {"--columns", true}, {"--rows", true},
                        {"--cell", true}, {"--border", true}, {"--film"}, {"--background", true}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    if (!parsed.has("-o"))
        return usageError(kName, QStringLiteral("-o TARGET is needed"));
    if (parsed.plain.isEmpty())
        return usageError(kName, QStringLiteral("no file given"));
    const std::optional<int> columns = optionInRange(parsed, "--columns", 1, 10000);
    const std::optional<int> rows = optionInRange(parsed, "--rows", 1, 10000);
    if ((parsed.has("--columns") && !columns) || (parsed.has("--rows") && !rows))
        return usageError(kName, QStringLiteral("--columns and --rows take 1 to 10000"));
    const std::optional<QSize> cell = parsed.has("--cell") ? parseBox(parsed.value("--cell")) : std::nullopt;
    if (parsed.has("--cell") && !cell)
        return usageError(kName, badBoxMessage(parsed.value("--cell")));
    const auto border = parsed.has("--border") ? numberList(parsed.value("--border"), 2, 0, 10000) : std::nullopt;
    if (parsed.has("--border") && !border)
        return usageError(kName, QStringLiteral("--border takes X,Y of 0 to 10000"));
    const auto background = parsed.has("--background") ? numberList(parsed.value("--background"), 3, 0, 255) : std::nullopt;
    if (parsed.has("--background") && !background)
        return usageError(kName, QStringLiteral("--background takes R,G,B of 0 to 255"));

    std::optional<PublishSetup> setup = preparePublishing(kName, parsed);
    if (!setup)
        return Failure;
    IndexSheetSettings settings = indexSheetSettingsFrom(setup->settings, *setup->types);
    settings.targetFolder = setup->targetFolder;
    if (parsed.has("--pattern"))
        settings.pattern = parsed.value("--pattern");
    if (columns)
        settings.grid.columns = *columns;
    if (rows)
        settings.grid.rows = *rows;
    if (cell) {
        settings.grid.cellWidth = cell->width();
        settings.grid.cellHeight = cell->height();
    }
    if (border) {
        settings.grid.borderX = (*border)[0];
        settings.grid.borderY = (*border)[1];
    }
    if (parsed.has("--film"))
        settings.grid.film = true;
    if (background)
        settings.grid.background = std::uint32_t((*background)[0] | (*background)[1] << 8 | (*background)[2] << 16);

    const IndexSheetOutcome outcome = createIndexSheets(*setup->types, parsed.plain, settings, {});
    for (const WrittenSheet& sheet : outcome.written)
        out(QStringLiteral("%1\t%2x%3\t%4\n").arg(sheet.path).arg(sheet.width).arg(sheet.height).arg(sheet.cells));
    if (outcome.message.isEmpty())
        return Success;
    err(QStringLiteral("vistello-cli index: %1\n").arg(outcome.message));
    return Failure;
}

} // namespace vistello::cli

// vistello-cli gallery -o TARGET [-x SETTINGS] [-b DIR] [--title T]
// [--per-row N] [--rows N] [--index-template F] [--picture-template F]
// [--on-error cancel|continue] FILE...: the HTML gallery of the pictures in
// TARGET, from the HTML settings (of -x, else of the personal folder, -b)
// with the options laid over them. Prints each written file relative to
// TARGET; a refusal prints its message and writes nothing. A thumbnail or
// picture page that cannot be written is named and, unless --on-error
// continue, ends the run.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "app/cli/PublishCommandSetup.h"
#include "publish/gallery/GalleryRun.h"

namespace vistello::cli {

namespace {

constexpr const char* kName = "gallery";

// The job's question after a failed write: the file is named on stderr and
// the answer is the one --on-error chose.
class ReportedAnswer : public FixedJobAnswer {
public:
    using FixedJobAnswer::FixedJobAnswer;
    PromptAnswer ask(const PromptQuestion& question, const std::atomic<bool>& stop) override
    {
        err(QStringLiteral("vistello-cli gallery: %1\n").arg(question.text.section(QLatin1Char('\n'), 0, 0)));
        asked = true;
        return FixedJobAnswer::ask(question, stop);
    }
    bool asked = false;
};

} // namespace

int runGallery(const QStringList& args)
{
    const CliArguments parsed =
        parseArguments(kName, args,
                       {{"-o", true}, {"-x", true}, {"-b", true}, {"--title", true}, {"--per-row", true}, {"--rows", true},
                        {"--index-template", true}, {"--picture-template", true}, {"--on-error", true}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    if (!parsed.has("-o"))
        return usageError(kName, QStringLiteral("-o TARGET is needed"));
    if (parsed.plain.isEmpty())
        return usageError(kName, QStringLiteral("no file given"));
    std::optional<int> perRow = optionInRange(parsed, "--per-row", 1, 10000);
    std::optional<int> rows = optionInRange(parsed, "--rows", 0, 10000);
    if ((parsed.has("--per-row") && !perRow) || (parsed.has("--rows") && !rows))
        return usageError(kName, QStringLiteral("--per-row takes 1 to 10000, --rows 0 to 10000"));
    const QString onError = parsed.has("--on-error") ? parsed.value("--on-error") : QStringLiteral("cancel");
    if (onError != QLatin1String("cancel") && onError != QLatin1String("continue"))
        return usageError(kName, QStringLiteral("--on-error wants cancel or continue"));

    std::optional<PublishSetup> setup = preparePublishing(kName, parsed);
    if (!setup)
        return Failure;
    GallerySettings settings = gallerySettingsFrom(setup->settings);
    settings.targetFolder = setup->targetFolder;
    if (parsed.has("--title"))
        settings.title = parsed.value("--title");
    if (perRow)
        settings.perRow = *perRow;
    if (rows)
        settings.rowsPerPage = *rows;
    if (parsed.has("--index-template")) {
        settings.useExternalIndex = true;
        settings.externalIndex = parsed.value("--index-template");
    }
    if (parsed.has("--picture-template")) {
        settings.useExternalPicture = true;
        settings.externalPicture = parsed.value("--picture-template");
    }

    ReportedAnswer answer(onError == QLatin1String("cancel") ? PromptAnswer::Yes : PromptAnswer::No);
    GalleryHooks hooks;
    hooks.question = &answer;
    const GalleryOutcome outcome = createGallery(*setup->types, parsed.plain, settings, hooks);
    for (const QString& name : outcome.written)
        out(name + QLatin1Char('\n'));
    if (!outcome.message.isEmpty())
        err(QStringLiteral("vistello-cli gallery: %1\n").arg(outcome.message));
    return outcome.finished && !answer.asked ? Success : Failure;
}

} // namespace vistello::cli

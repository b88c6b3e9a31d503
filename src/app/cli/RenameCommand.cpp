// vistello-cli rename [--pattern P] [--start N] [--date] [--name NAME] [--dry-run] FILE...:
// renames pictures as the viewer does, their ".original" backups and sound
// memos with them. Prints "OLD -> NEW" per picture, its companions indented
// below it; a refused rename prints the viewer's message and moves nothing.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "organize/rename/RenameExecutor.h"

#include <optional>

namespace vistello::cli {

namespace {

struct RenameOptions {
    RenameRequest request;
    bool dryRun = false;
};

// The parsed command line as a request; an error text for a usage error.
std::optional<QString> requestFrom(const CliArguments& parsed, RenameOptions& options)
{
    RenameRequest& request = options.request;
    request.pictures = parsed.plain;
    request.byDate = parsed.has("--date");
    options.dryRun = parsed.has("--dry-run");
    if (parsed.has("--pattern")) {
        request.pattern = parsed.value("--pattern");
        request.numbered = true;
    }
    const bool named = parsed.has("--name");
    request.name = parsed.value("--name");
    if (parsed.has("--start")) {
        bool ok = false;
        request.firstIndex = parsed.value("--start").toLongLong(&ok);
        if (!ok)
            return QStringLiteral("--start needs a whole number");
    }
    if (request.pictures.isEmpty())
        return QStringLiteral("no file given");
    if (named && request.severalPictures())
        return QStringLiteral("--name renames one picture; use --pattern for several");
    if (!request.severalPictures() && !named && !request.byDate)
        return QStringLiteral("one picture needs --name, --date or --pattern");
    return std::nullopt;
}

void printMove(const QString& from, const QString& to, const char* indent)
{
    out(QLatin1String(indent) + from + QStringLiteral(" -> ") + to + QLatin1Char('\n'));
}

void printPlan(const RenamePlan& plan)
{
    for (const PlannedRename& r : plan.renames) {
        printMove(r.picture.from, r.picture.to, "");
        for (const FileMove& c : r.companions)
            printMove(c.from, c.to, "  ");
    }
}

// True when the picture took its planned name.
bool printOutcome(const PlannedRename& planned, const RenameOutcome& o)
{
    if (o.picture.at == planned.picture.to) {
        printMove(o.picture.from, o.picture.at, "");
    } else if (o.moved()) {
        printMove(o.picture.from, o.picture.at, "");
        err(QStringLiteral("vistello-cli rename: %1 is in use; %2 kept its temporary name %3\n")
                .arg(planned.picture.to, o.picture.from, o.picture.at));
    } else {
        err(QStringLiteral("vistello-cli rename: %1: not renamed%2\n")
                .arg(o.picture.from, o.conflict ? QStringLiteral(" (%1 is in use)").arg(planned.picture.to) : QString()));
    }
    for (const MovedFile& c : o.companions)
        if (c.at != c.from)
            printMove(c.from, c.at, "  ");
    return o.picture.at == planned.picture.to;
}

} // namespace

int runRename(const QStringList& arguments)
{
    const CliArguments parsed = parseArguments("rename", arguments,
                                               {{"--pattern", true}, {"--start", true}, {"--date"},
                                                {"--name", true}, {"--dry-run"}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    RenameOptions options;
    if (const std::optional<QString> error = requestFrom(parsed, options))
        return usageError("rename", *error);

    const RenamePlan plan = buildRenamePlan(options.request);
    if (plan.refused()) {
        err(QStringLiteral("vistello-cli rename: %1\n").arg(refusalMessage(plan)));
        if (plan.refusal == RenameRefusal::WouldOverride)
            err(QStringLiteral("vistello-cli rename: %1 is in use\n").arg(plan.refusedName));
        return Failure;
    }
    if (options.dryRun) {
        printPlan(plan);
        return Success;
    }
    const std::vector<RenameOutcome> outcomes = executeRenamePlan(plan);
    int status = Success;
    for (size_t i = 0; i < outcomes.size(); ++i)
        if (!printOutcome(plan.renames[i], outcomes[i]))
            status = Failure;
    return status;
}

} // namespace vistello::cli

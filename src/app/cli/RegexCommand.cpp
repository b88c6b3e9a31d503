// vistello-cli regex [-i] PATTERN TEXT...: compiles PATTERN in the search
// dialect (no case with -i) and prints the number of matches in each TEXT,
// one per line; a pattern that does not compile prints the dialect's
// message and exits 1.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "organize/regex/SearchPattern.h"

namespace vistello::cli {

int runRegex(const QStringList& args)
{
    const CliArguments parsed = parseArguments("regex", args, {{"-i"}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    if (parsed.plain.isEmpty())
        return usageError("regex", QStringLiteral("no pattern given"));
    const SearchPattern pattern = SearchPattern::compile(parsed.plain.first(), parsed.has("-i") ? RegexNoCase : 0u);
    if (!pattern.isValid()) {
        err(QStringLiteral("vistello-cli regex: %1\n").arg(pattern.errorMessage()));
        return Failure;
    }
    for (qsizetype i = 1; i < parsed.plain.size(); ++i)
        out(QString::number(pattern.countMatches(parsed.plain[i])) + QLatin1Char('\n'));
    return Success;
}

} // namespace vistello::cli

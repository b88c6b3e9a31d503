#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"

#include "app/samples/SampleSet.h"

namespace vistello::cli {

int runMakeSamples(const QStringList& args)
{
    const CliArguments parsed = parseArguments("make-samples", args, {});
    if (parsed.exitNow)
        return *parsed.exitNow;
    if (parsed.plain.size() != 1)
        return usageError("make-samples", QStringLiteral("expected one argument: DIR"));
    const QString& dir = parsed.plain.front();
    QString error;
    QStringList written;
    if (!samples::makeSamples(dir, &error, &written)) {
        err(QStringLiteral("vistello-cli make-samples: %1\n").arg(error));
        return Failure;
    }
    out(QStringLiteral("%1 files written to %2\n").arg(written.size()).arg(dir));
    return Success;
}

} // namespace vistello::cli

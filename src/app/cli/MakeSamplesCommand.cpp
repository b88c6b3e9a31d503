#include "app/cli/CliCommands.h"

#include "app/samples/SampleSet.h"

namespace vistello::cli {

int runMakeSamples(const QStringList& args)
{
    if (args.size() != 1 || args.front().startsWith(QLatin1Char('-')))
        return usageError("make-samples", QStringLiteral("expected one argument: DIR"));
    QString error;
    QStringList written;
    if (!samples::makeSamples(args.front(), &error, &written)) {
        err(QStringLiteral("vistello-cli make-samples: %1\n").arg(error));
        return Failure;
    }
    out(QStringLiteral("%1 files written to %2\n").arg(written.size()).arg(args.front()));
    return Success;
}

} // namespace vistello::cli

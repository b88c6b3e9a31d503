// vistello-cli copy FILE...: the "Copy pictures" job on the files given:
// each copied beside itself under its "Copy of" name with its sound memo.
// Prints each new path in the order of the files; a file that could not be
// copied is named on stderr and makes the exit status 1.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "jpegedit/batch/CopyPicturesJob.h"

#include <chrono>
#include <thread>

namespace vistello::cli {

namespace {
constexpr const char* kName = "copy";
} // namespace

int runCopy(const QStringList& arguments)
{
    const CliArguments parsed = parseArguments(kName, arguments, {});
    if (parsed.exitNow)
        return *parsed.exitNow;
    if (parsed.plain.isEmpty())
        return usageError(kName, QStringLiteral("no file given"));

    CopyPicturesJob job(parsed.plain);
    job.start();
    while (!job.finished())
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    for (const QString& copy : job.copies())
        out(copy + QLatin1Char('\n'));
    for (const QString& picture : job.failedPictures())
        err(QStringLiteral("vistello-cli copy: %1: cannot copy\n").arg(picture));
    return job.failedPictures().isEmpty() ? Success : Failure;
}

} // namespace vistello::cli

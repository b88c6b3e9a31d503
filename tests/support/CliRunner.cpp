#include "support/CliRunner.h"

#include <QFileInfo>
#include <QProcess>

namespace vistello::test {

ProcessRun runProgram(const QString& program, const QStringList& args, const QString& workingDirectory)
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(program, args);
    ProcessRun run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    if (process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

bool underCi()
{
    return qgetenv("CI").toLower() == "true";
}

bool cliBuilt()
{
    return QFileInfo(QStringLiteral(VISTELLO_CLI_PATH)).isExecutable();
}

CliRun runCli(const QStringList& args, const QString& workingDirectory)
{
    const ProcessRun run = runProgram(QStringLiteral(VISTELLO_CLI_PATH), args, workingDirectory);
    return {run.exitCode, QString::fromUtf8(run.out), QString::fromUtf8(run.err)};
}

} // namespace vistello::test

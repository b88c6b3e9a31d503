#include "platform/wallpaper/DesktopCommandRunner.h"

#include <QElapsedTimer>
#include <QProcess>

namespace vistello {

namespace {

struct ProgramRun {
    bool ok = false;
    QByteArray output;
    QString message;
};

// Output beyond this is of no interest and is not kept.
constexpr qint64 kMaxOutput = 1 << 20;

QString shortError(const QByteArray& bytes)
{
    const QString text = QString::fromUtf8(bytes.left(400)).trimmed();
    return text.isEmpty() ? QString() : QStringLiteral(": ") + text;
}

ProgramRun runProgram(const QStringList& programAndArguments, int timeoutMs)
{
    ProgramRun run;
    const QString shown = displayText(programAndArguments);
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(programAndArguments.first(), programAndArguments.mid(1), QIODevice::ReadOnly);
    if (!process.waitForStarted(timeoutMs)) {
        run.message = QStringLiteral("\"%1\" could not be started (%2)").arg(shown, process.errorString());
        return run;
    }
    QByteArray errors;
    QElapsedTimer clock;
    clock.start();
    while (process.state() != QProcess::NotRunning) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0) {
            process.kill();
            process.waitForFinished(2000);
            run.message = QStringLiteral("\"%1\" did not finish within %2 seconds").arg(shown).arg(timeoutMs / 1000);
            return run;
        }
        process.waitForFinished(int(qMin<qint64>(left, 100)));
        if (run.output.size() < kMaxOutput)
            run.output += process.readAllStandardOutput().left(kMaxOutput);
        else
            process.readAllStandardOutput();
        if (errors.size() < kMaxOutput)
            errors += process.readAllStandardError().left(kMaxOutput);
        else
            process.readAllStandardError();
    }
    run.output += process.readAllStandardOutput().left(kMaxOutput);
    errors += process.readAllStandardError().left(kMaxOutput);
    if (process.exitStatus() != QProcess::NormalExit) {
        run.message = QStringLiteral("\"%1\" crashed").arg(shown);
        return run;
    }
    if (process.exitCode() != 0) {
        run.message =
            QStringLiteral("\"%1\" failed (exit code %2)%3").arg(shown).arg(process.exitCode()).arg(shortError(errors));
        return run;
    }
    run.ok = true;
    return run;
}

QStringList outputLines(const QByteArray& output)
{
    QStringList lines;
    for (const QString& line : QString::fromUtf8(output).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    return lines;
}

QStringList withEach(const QStringList& arguments, const QString& value)
{
    QStringList result = arguments;
    for (QString& argument : result)
        if (argument == QLatin1String(DesktopCommand::kEachPlaceholder))
            argument = value;
    return result;
}

} // namespace

CommandsOutcome runDesktopCommands(const QList<DesktopCommand>& commands, int timeoutMs)
{
    for (const DesktopCommand& command : commands) {
        if (!command.onlyIfTrue.isEmpty()) {
            // A key the desktop lacks makes the query fail: then it is left out.
            const ProgramRun query = runProgram(command.onlyIfTrue, timeoutMs);
            if (!query.ok || query.output.trimmed() != "true")
                continue;
        }
        QList<QStringList> runs;
        if (command.forEachLineOf.isEmpty()) {
            runs << (QStringList{command.program} + command.arguments);
        } else {
            const ProgramRun listing = runProgram(command.forEachLineOf, timeoutMs);
            if (!listing.ok)
                return {false, listing.message};
            for (const QString& line : outputLines(listing.output))
                if (line.endsWith(command.eachEndingIn))
                    runs << (QStringList{command.program} + withEach(command.arguments, line));
            if (runs.isEmpty())
                return {false, QStringLiteral("\"%1\" names no property ending in \"%2\"")
                                   .arg(displayText(command.forEachLineOf), command.eachEndingIn)};
        }
        for (const QStringList& run : runs)
            if (const ProgramRun done = runProgram(run, timeoutMs); !done.ok)
                return {false, done.message};
    }
    return {true, {}};
}

} // namespace vistello

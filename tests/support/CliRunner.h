#pragma once
// Runs programs as a user does: the built vistello-cli, or the independent
// tools that check what the program writes. Output is collected apart.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vistello::test {

struct ProcessRun {
    int exitCode = -1; // -1: did not start, crashed or timed out
    QByteArray out;
    QByteArray err;
};

ProcessRun runProgram(const QString& program, const QStringList& args, const QString& workingDirectory = {});

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

bool cliBuilt();
// vistello-cli with these arguments (the subcommand first).
CliRun runCli(const QStringList& args, const QString& workingDirectory = {});

} // namespace vistello::test

#define SKIP_WITHOUT_CLI()                                      \
    do {                                                        \
        if (!::vistello::test::cliBuilt())                      \
            GTEST_SKIP() << "vistello-cli is not built";        \
    } while (false)

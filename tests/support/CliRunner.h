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

// CI=true: a missing tool, sample folder or program fails a test instead of
// skipping it, so that a run never passes by checking less.
bool underCi();

bool cliBuilt();
// vistello-cli with these arguments (the subcommand first).
CliRun runCli(const QStringList& args, const QString& workingDirectory = {});

} // namespace vistello::test

// Skips the test for what follows (a streamed reason), or fails it under CI.
#define SKIP_OR_FAIL(reason)                                                   \
    do {                                                                       \
        if (::vistello::test::underCi())                                       \
            GTEST_FAIL() << reason << " (required when CI=true)";              \
        else                                                                   \
            GTEST_SKIP() << reason;                                            \
    } while (false)

#define SKIP_WITHOUT_CLI()                                      \
    do {                                                        \
        if (!::vistello::test::cliBuilt())                      \
            SKIP_OR_FAIL("vistello-cli is not built");          \
    } while (false)

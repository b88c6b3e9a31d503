// Running a plan: each command as a program with arguments, failures
// reported with their cause, the two run-time conditions obeyed.
#include "platform/wallpaper/DesktopCommandRunner.h"

#include "support/TempDir.h"

#include <QFile>
#include <gtest/gtest.h>
#include <thread>

namespace vistello {
namespace {

using test::TempDir;

// A command that appends its one argument as a line to log.
DesktopCommand appendTo(const QString& log, const QString& argument)
{
    return {"sh", {"-c", "printf '%s\\n' \"$1\" >> \"$0\"", log, argument}, {}, {}, {}};
}

QString contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(DesktopCommandRunner, RunsInOrderWithArgumentsUntouched)
{
    TempDir dir;
    const QString log = dir.file("log");
    const CommandsOutcome outcome = runDesktopCommands({appendTo(log, "$(touch x) 'q'"), appendTo(log, "two")});
    EXPECT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_EQ(contents(log), "$(touch x) 'q'\ntwo\n");
    EXPECT_FALSE(QFile::exists(dir.file("x")));
}

TEST(DesktopCommandRunner, FailureStopsTheRunAndSaysWhy)
{
    TempDir dir;
    const QString log = dir.file("log");
    const CommandsOutcome exitCode = runDesktopCommands(
        {{"sh", {"-c", "echo no such key >&2; exit 3"}, {}, {}, {}}, appendTo(log, "after")});
    EXPECT_FALSE(exitCode.ok);
    EXPECT_TRUE(exitCode.message.contains("exit code 3")) << exitCode.message.toStdString();
    EXPECT_TRUE(exitCode.message.contains("no such key")) << exitCode.message.toStdString();
    EXPECT_FALSE(QFile::exists(log));

    const CommandsOutcome missing = runDesktopCommands({{"/nonexistent/gsettings", {"set"}, {}, {}, {}}});
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.message.contains("could not be started")) << missing.message.toStdString();

    const CommandsOutcome crashed = runDesktopCommands({{"sh", {"-c", "kill -SEGV $$"}, {}, {}, {}}});
    EXPECT_FALSE(crashed.ok);
    EXPECT_TRUE(crashed.message.contains("crashed")) << crashed.message.toStdString();
}

TEST(DesktopCommandRunner, HangingProgramTimesOut)
{
    const CommandsOutcome outcome = runDesktopCommands({{"sleep", {"30"}, {}, {}, {}}}, 300);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.contains("did not finish")) << outcome.message.toStdString();
}

TEST(DesktopCommandRunner, OnlyIfTrueSkipsWhenTheQueryDoesNotSayTrue)
{
    TempDir dir;
    const QString log = dir.file("log");
    DesktopCommand yes = appendTo(log, "yes");
    yes.onlyIfTrue = {"echo", "true"};
    DesktopCommand no = appendTo(log, "no");
    no.onlyIfTrue = {"echo", "false"};
    DesktopCommand failing = appendTo(log, "failing");
    failing.onlyIfTrue = {"false"};
    EXPECT_TRUE(runDesktopCommands({yes, no, failing}).ok);
    EXPECT_EQ(contents(log), "yes\n");
}

TEST(DesktopCommandRunner, ForEachRunsOncePerMatchingLine)
{
    TempDir dir;
    const QString log = dir.file("log");
    DesktopCommand each = appendTo(log, DesktopCommand::kEachPlaceholder);
    each.forEachLineOf = {"printf", "/s0/last-image\n/s0/image-style\n/s1/m 1/last-image\n"};
    each.eachEndingIn = "/last-image";
    EXPECT_TRUE(runDesktopCommands({each}).ok);
    EXPECT_EQ(contents(log), "/s0/last-image\n/s1/m 1/last-image\n");

    // A listing without any such property means the desktop was not told.
    each.eachEndingIn = "/nothing";
    const CommandsOutcome none = runDesktopCommands({each});
    EXPECT_FALSE(none.ok);
    EXPECT_TRUE(none.message.contains("/nothing")) << none.message.toStdString();
}

// The wallpaper page runs the plan on a worker thread of its own.
TEST(DesktopCommandRunner, RunsOnAThreadWithoutEventLoop)
{
    TempDir dir;
    const QString log = dir.file("log");
    CommandsOutcome outcome;
    std::thread worker([&] { outcome = runDesktopCommands({appendTo(log, "from a worker")}); });
    worker.join();
    EXPECT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_EQ(contents(log), "from a worker\n");
}

} // namespace
} // namespace vistello

// Every vistello-cli subcommand parses its options the same way: "--help"
// prints its usage, an option it does not know is a usage error and never
// a file name, and "--" ends the options.
#include "support/CliRunner.h"

#include <gtest/gtest.h>

using vistello::test::CliRun;
using vistello::test::runCli;

namespace {

const char* const kCommands[] = {"scan",   "make-samples", "list",      "segments", "exif",       "decode", "info",
                                 "hex", "histogram", "makernote", "thumbs",   "transform", "rename",   "jpeg-write", "convert",
                                 "resize", "gallery", "index", "comment", "regex", "search", "check", "folder-stats"};

class CliUsage : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override { SKIP_WITHOUT_CLI(); }
    QString name() const { return QString::fromLatin1(GetParam()); }
};

TEST_P(CliUsage, HelpPrintsTheUsage)
{
    for (const char* help : {"--help", "-h"}) {
        const CliRun run = runCli({name(), QString::fromLatin1(help)});
        EXPECT_EQ(run.exitCode, 0) << help;
        EXPECT_TRUE(run.out.startsWith(QStringLiteral("usage: vistello-cli %1 ").arg(name()))) << run.out.toStdString();
        EXPECT_TRUE(run.err.isEmpty());
    }
}

TEST_P(CliUsage, UnknownOptionsAreUsageErrors)
{
    // Short options once went through as file names; "--box=" is not how any command takes a value.
    for (const char* bogus : {"--bogus", "-z", "--box=1x1"}) {
        const CliRun run = runCli({name(), QString::fromLatin1(bogus), QStringLiteral("x")});
        EXPECT_EQ(run.exitCode, 2) << bogus;
        EXPECT_TRUE(run.out.isEmpty()) << bogus;
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("vistello-cli %1: unknown option \"%2\"\n").arg(name(), bogus)))
            << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("\nusage: vistello-cli %1 ").arg(name()))) << run.err.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, CliUsage, testing::ValuesIn(kCommands));

TEST(CliUsageTable, HelpListsEveryCommandAndExitCodes)
{
    SKIP_WITHOUT_CLI();
    const CliRun run = runCli({QStringLiteral("--help")});
    ASSERT_EQ(run.exitCode, 0);
    for (const char* command : kCommands)
        EXPECT_TRUE(run.out.contains(QStringLiteral("\n  %1 ").arg(QLatin1String(command)))) << command;
    EXPECT_TRUE(run.out.contains(QStringLiteral("COMMAND --help")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("2 usage error")));
    EXPECT_EQ(runCli({QStringLiteral("no-such-command")}).exitCode, 2);
}

TEST(CliUsageTable, DoubleDashEndsTheOptions)
{
    SKIP_WITHOUT_CLI();
    // A file named "--bogus" that does not exist: a failure, not a usage error.
    const CliRun run = runCli({QStringLiteral("segments"), QStringLiteral("--"), QStringLiteral("--bogus")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("cannot open \"--bogus\""))) << run.err.toStdString();
}

TEST(CliUsageTable, BoxIsParsedAlikeEverywhere)
{
    SKIP_WITHOUT_CLI();
    for (const char* command : {"decode", "thumbs"})
        for (const char* box : {"0x5", "5x", "x5", "12x-3", "20000x10", "1x1x1"}) {
            const CliRun run = runCli({QString::fromLatin1(command), QStringLiteral("--box"), QString::fromLatin1(box),
                                       QStringLiteral("in"), QStringLiteral("-o"), QStringLiteral("out")});
            EXPECT_EQ(run.exitCode, 2) << command << " " << box;
            EXPECT_TRUE(run.err.contains(QStringLiteral("bad box \"%1\"").arg(QLatin1String(box)))) << command << box;
        }
}

} // namespace

#include "app/startup/CommandLine.h"
#include "app/startup/ConsoleEcho.h"
#include "app/startup/SettingsChoice.h"
#include "core/settings/SettingsStore.h"
#include "resources/StringTable.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace vistello;
using vistello::test::TempDir;

namespace {

QStringList params(std::initializer_list<const char*> args)
{
    QStringList arguments;
    for (const char* a : args)
        arguments << QString::fromUtf8(a);
    return arguments;
}

TEST(StartupCommandLine, OptionsBeginWithADash)
{
    const struct {
        const char* parameter;
        const char* name;
        bool option;
    } cases[] = {
        {"-p", "p", true},       {"-P", "p", true},     {"--html", "-html", true}, {"--HELP", "-help", true},
        {"p", "p", false},       {"h", "h", false},     {"/p", "p", false},        {"/?", "?", false},
        {"-html", "-html", false}, {"---x", "-x", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isOption(QString::fromUtf8(c.parameter), QLatin1StringView(c.name)), c.option) << c.parameter;
    // As a value or a path: exactly one leading dash goes.
    QStringList texts;
    for (const QString& p : params({"-p", "--html", "/?", "plain", "-", "---x", ""}))
        texts << parameterText(p);
    EXPECT_EQ(texts, (QStringList{"p", "-html", "/?", "plain", "", "--x", ""}));
}

// Words without a dash are paths: a folder named "h" or "x" is a folder.
TEST(StartupCommandLine, WordsWithoutADashAreNeverOptions)
{
    for (const char* word : {"h", "?", "help", "H"})
        EXPECT_FALSE(consoleEcho(params({word})).has_value()) << word;
    EXPECT_EQ(chooseSettings(params({"x", "y"})).source, SettingsChoice::Source::DefaultFile);
    EXPECT_EQ(chooseSettings(params({"b", "y"})).source, SettingsChoice::Source::DefaultFile);
}

TEST(StartupCommandLine, FullPathIsAbsoluteAndClean)
{
    EXPECT_EQ(makeFullPath(u"/a/./b/../c"), QStringLiteral("/a/c"));
    EXPECT_EQ(makeFullPath(u"rel"), QDir::current().absoluteFilePath(QStringLiteral("rel")));
    EXPECT_TRUE(makeFullPath(u"").isEmpty());
    // Too long to be a picture path: the text itself, cut to the limit.
    const QString longText = QString(600, QLatin1Char('n'));
    EXPECT_EQ(makeFullPath(longText), longText.left(kMaxPathLength));
}

// Every spelling of the help request prints the usage text and nothing else.
class StartupHelp : public testing::TestWithParam<const char*> {};

TEST_P(StartupHelp, PrintsUsageText)
{
    const auto echo = consoleEcho(params({GetParam(), "-p", "ignored"}));
    ASSERT_TRUE(echo.has_value());
    QString expected = strings::text(33421);
    expected.replace(QStringLiteral("%s"), QStringLiteral("LE"));
    EXPECT_EQ(*echo, expected + QLatin1Char('\n'));
    EXPECT_TRUE(echo->startsWith(QStringLiteral("Vistello (LE)\n\n-p PATH\t\tdisplay images")));
}

INSTANTIATE_TEST_SUITE_P(Spellings, StartupHelp,
                         testing::Values("-?", "-h", "-H", "-help", "-HeLp", "--help", "--HELP"));

TEST(StartupConsoleEcho, OnlyTheFirstParameterCounts)
{
    EXPECT_FALSE(consoleEcho({}).has_value());
    // "/" is no option prefix: "/h" is a path.
    EXPECT_FALSE(consoleEcho(params({"/h"})).has_value());
    EXPECT_FALSE(consoleEcho(params({"/?"})).has_value());
    EXPECT_FALSE(consoleEcho(params({"-p", "x", "-h"})).has_value());
    EXPECT_FALSE(consoleEcho(params({"-index", "a"})).has_value()); // one dash: the option "index"
}

TEST(StartupConsoleEcho, BatchNamesEchoTheirParameters)
{
    const struct {
        std::initializer_list<const char*> args;
        const char* expected;
    } cases[] = {
        {{"--html", "a", "-p", "b"}, "html\nap=b\n"},
        {{"--html", "a", "b", "-P", "c", "d"}, "html\nabp=c\nd"},
        {{"--html", "a", "-p"}, "html\na"}, // "p" without a value writes nothing
        {{"--HTML"}, "html\n"},
        {{"--index", "a", "b"}, "index\nab"},
        {{"--index", "-p", "x"}, "index\npx"},
        {{"--Index"}, "index\n"},
    };
    for (const auto& c : cases) {
        const auto echo = consoleEcho(params(c.args));
        ASSERT_TRUE(echo.has_value()) << c.expected;
        EXPECT_EQ(*echo, QString::fromUtf8(c.expected));
    }
}

TEST(StartupSettingsChoice, NamedFileWinsThenFirstPersonalFolder)
{
    using Source = SettingsChoice::Source;
    const struct {
        std::initializer_list<const char*> args;
        Source source;
        const char* value;
    } cases[] = {
        {{"-x", "f.xml", "-b", "/p"}, Source::NamedFile, "f.xml"},
        {{"-b", "/p", "-x", "f.xml"}, Source::NamedFile, "f.xml"},
        {{"-X", "g.xml", "-x", "h.xml"}, Source::NamedFile, "g.xml"},
        {{"-b", "/p"}, Source::PersonalFolder, "/p/"},
        {{"-B", "/p/", "-b", "/q"}, Source::PersonalFolder, "/p/"},
        {{"-b", "/p/../q"}, Source::PersonalFolder, "/q/"},
        {{"pic.jpg", "-x"}, Source::DefaultFile, ""}, // an option standing last has no value
        {{"-b"}, Source::DefaultFile, ""},
        {{"/x", "f.xml"}, Source::DefaultFile, ""},
    };
    for (const auto& c : cases) {
        const SettingsChoice choice = chooseSettings(params(c.args));
        EXPECT_EQ(choice.source, c.source) << c.value;
        const QString value = c.source == Source::NamedFile ? choice.settingsFile : choice.personalFolder;
        EXPECT_EQ(value, QString::fromUtf8(c.value));
    }
}

TEST(StartupSettingsChoice, PersonalFolderReceivesTheSettingsFile)
{
    TempDir home;
    TempDir chosen;
    SettingsStore store(home.path());
    const SettingsChoice choice = chooseSettings(params({"-b", chosen.path().toUtf8().constData()}));
    loadChosenSettings(store, choice);
    EXPECT_EQ(store.personalFolder(), chosen.path());
    EXPECT_TRUE(store.personalFolderGiven());
    EXPECT_FALSE(store.readOnly());
    store.setInt(QStringLiteral("AutoShowDelay"), 3);
    EXPECT_TRUE(store.save());
    EXPECT_TRUE(QFile::exists(chosen.file(QString::fromLatin1(SettingsStore::kFileName))));
    EXPECT_FALSE(QFile::exists(home.file(QString::fromLatin1(SettingsStore::kFileName))));
}

TEST(StartupSettingsChoice, EmptyNamedFileStillReadOnly)
{
    TempDir home;
    SettingsStore store(home.path());
    loadChosenSettings(store, chooseSettings(params({"-x", "-"})));
    EXPECT_TRUE(store.readOnly());
}

} // namespace

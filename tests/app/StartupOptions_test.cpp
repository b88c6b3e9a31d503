#include "app/startup/CommandLine.h"
#include "app/startup/OptionProcessor.h"
#include "app/startup/SettingsChoice.h"
#include "app/startup/StartupDecisions.h"
#include "app/startup/StartupOptions.h"
#include "app/startup/WindowStart.h"
#include "core/settings/SettingsStore.h"
#include "support/TempDir.h"

#include <QFile>
#include <climits>
#include <gtest/gtest.h>
#include <map>
#include <string>

using namespace vistello;
using vistello::test::TempDir;

namespace {

QStringList params(const std::vector<std::string>& args)
{
    QStringList arguments;
    for (const std::string& a : args)
        arguments << QString::fromStdString(a);
    return arguments;
}

struct Applied {
    StartupOptions options;
    QStringList paths;
};

Applied apply(SettingsStore& store, const QStringList& parameters)
{
    Applied result;
    result.options.includeSubfolders = includesSubfolders(parameters);
    OptionProcessor(parameters, store, result.options, [&](const QString& p) { result.paths << p; }).run();
    return result;
}

// What one command line leaves behind. Keys not named stay unset.
struct OptionCase {
    const char* name;
    std::vector<std::string> args;
    std::map<std::string, int> ints;
    std::map<std::string, bool> bools;
    std::vector<std::string> paths;
    std::string extension;   // "PictureListExtension"; empty: unset
    std::string startFolder;
};

const char* const kIntKeys[] = {"BackgroundColor", "BackgroundColorFullScreen", "TextColor", "AutoShowDelay", "Screen"};
const char* const kBoolKeys[] = {"AutoShow", "FullScreen", "AppFullScreenMode", "SelectionViewVisible"};

const OptionCase kCases[] = {
    {"ModeAutoShowDelay", {"-v", "3", "-a", "-d", "5"}, {{"AutoShowDelay", 5}},
     {{"AutoShow", true}, {"FullScreen", true}, {"AppFullScreenMode", true}, {"SelectionViewVisible", true}}, {}, "", ""},
    {"ModeNormal", {"-v", "1"}, {},
     {{"FullScreen", false}, {"AppFullScreenMode", false}, {"SelectionViewVisible", true}}, {}, "", ""},
    {"ModeWithoutSelectionView", {"-V", "2"}, {},
     {{"FullScreen", false}, {"AppFullScreenMode", false}, {"SelectionViewVisible", false}}, {}, "", ""},
    // A mode value that is no mode is examined as a later option or a path.
    {"ModeFallsToAutoShow", {"-v", "-a"}, {}, {{"AutoShow", true}}, {}, "", ""},
    {"ModeFallsToDelay", {"-v", "-d", "7"}, {{"AutoShowDelay", 7}}, {}, {}, "", ""},
    {"ModeWordWithoutDashIsPath", {"-v", "a"}, {}, {}, {"a"}, "", ""},
    {"ModeFallsToPath", {"-v", "5"}, {}, {}, {"5"}, "", ""},
    {"ModeDoesNotFallToStartFolder", {"-v", "-p", "f"}, {}, {}, {"p", "f"}, "", ""},
    {"StyleNormal", {"-l", "1"}, {{"Screen", 0}}, {}, {}, "", ""},
    {"StyleOverview", {"-L", "2"}, {{"Screen", 1}}, {}, {}, "", ""},
    {"StyleOtherValueConsumed", {"-l", "3"}, {}, {}, {}, "", ""},
    {"BackgroundRedBlueMissing", {"-c", "1", "255", "0"}, {{"BackgroundColor", 255}}, {}, {}, "", ""},
    {"ComponentsClampAndHex", {"-c", "1", "300", "0x10", "7"}, {{"BackgroundColor", 255 + 256 * 16 + 65536 * 7}}, {}, {}, "", ""},
    {"TextColourUpperHex", {"-c", "3", "0X1f"}, {{"TextColor", 31}}, {}, {}, "", ""},
    {"HugeDigitRunsSaturate", {"-c", "2", "99999999999999999999", "0x123456789abcdef0123", "1"},
     {{"BackgroundColorFullScreen", 255 + 256 * 255 + 65536}}, {}, {}, "", ""},
    {"SelectorOnlyGivesBlack", {"-c", "1"}, {{"BackgroundColor", 0}}, {}, {}, "", ""},
    {"InvalidComponentIsPath", {"-c", "1", "abc", "0x10"}, {}, {}, {"abc", "0x10"}, "", ""},
    {"InvalidLaterComponentIsPath", {"-c", "1", "12", "zz"}, {}, {}, {"zz"}, "", ""},
    {"InvalidComponentIsOption", {"-c", "1", "7", "-a"}, {}, {{"AutoShow", true}}, {}, "", ""},
    {"ColourThenPath", {"-c", "1", "1", "2", "3", "pic.jpg"}, {{"BackgroundColor", 1 + 512 + 3 * 65536}}, {}, {"pic.jpg"}, "", ""},
    // A selector that is no selector is examined as "e" or a path, never as "a".
    {"SelectorFallsToExtension", {"-c", "-e", "txt"}, {}, {}, {}, ".txt", ""},
    {"SelectorFallsToPath", {"-c", "a"}, {}, {}, {"a"}, "", ""},
    {"DelaySaturates", {"-d", "99999999999999"}, {{"AutoShowDelay", INT_MAX}}, {}, {}, "", ""},
    {"DelayWithoutDigits", {"-d", "soon"}, {{"AutoShowDelay", 0}}, {}, {}, "", ""},
    {"NegativeDelayValidated", {"-d", "--3"}, {{"AutoShowDelay", 10}}, {}, {}, "", ""},
    {"Extension", {"-e", "txt"}, {}, {}, {}, ".txt", ""},
    {"StartFolder", {"-p", "/tmp/f"}, {}, {}, {}, "", "/tmp/f"},
    {"StartFolderUpperCase", {"-P", "/tmp/f"}, {}, {}, {}, "", "/tmp/f"},
    {"SlashIsAPath", {"/p", "/tmp/f"}, {}, {}, {"/p", "/tmp/f"}, "", ""},
    {"ValuesStandingLastIgnored", {"-d"}, {}, {}, {}, "", ""},
    {"StartFolderLast", {"x.jpg", "-p"}, {}, {}, {"x.jpg"}, "", ""},
    {"ModeLast", {"-v"}, {}, {}, {}, "", ""},
    {"ColourLast", {"-c"}, {}, {}, {}, "", ""},
    {"ExtensionLast", {"-e"}, {}, {}, {}, "", ""},
    {"SettingsOptionsSkipped", {"-x", "cfg", "-b", "pf", "-i", "pic", "-x"}, {}, {}, {"pic"}, "", ""},
};

class StartupOptionTable : public testing::TestWithParam<OptionCase> {
protected:
    TempDir dir;
};

TEST_P(StartupOptionTable, AppliesInParameterOrder)
{
    const OptionCase& c = GetParam();
    SettingsStore store(dir.path());
    const Applied applied = apply(store, params(c.args));

    for (const char* key : kIntKeys) {
        const QString k = QString::fromLatin1(key);
        const auto it = c.ints.find(key);
        if (it == c.ints.end()) {
            EXPECT_FALSE(store.contains(k)) << key;
        } else if (k == QLatin1StringView("Screen")) {
            EXPECT_EQ(store.getIntRaw(k, -1), it->second) << key;
        } else {
            EXPECT_EQ(store.getInt(k, -1), it->second) << key;
        }
    }
    for (const char* key : kBoolKeys) {
        const QString k = QString::fromLatin1(key);
        const auto it = c.bools.find(key);
        if (it == c.bools.end())
            EXPECT_FALSE(store.contains(k)) << key;
        else
            EXPECT_EQ(store.getBool(k, !it->second), it->second) << key;
    }
    const QString extension = QStringLiteral("PictureListExtension");
    if (c.extension.empty())
        EXPECT_FALSE(store.contains(extension));
    else
        EXPECT_EQ(store.getString(extension), QString::fromStdString(c.extension));

    QStringList expectedPaths;
    for (const std::string& p : c.paths)
        expectedPaths << QString::fromStdString(p);
    EXPECT_EQ(applied.paths, expectedPaths);
    EXPECT_EQ(applied.options.startFolder, QString::fromStdString(c.startFolder));
}

INSTANTIATE_TEST_SUITE_P(CommandLines, StartupOptionTable, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<OptionCase>& c) { return std::string(c.param.name); });

TEST(StartupOptions, IncludeSubfoldersCountsAnywhere)
{
    EXPECT_TRUE(includesSubfolders(params({"a.jpg", "-I"})));
    EXPECT_FALSE(includesSubfolders(params({"a.jpg", "/i", "i.jpg"})));
}

// The main window's colour check runs before the options: a text colour the
// user gives on the command line stands, even on a background of that colour.
TEST(StartupOptions, CommandLineColourStandsAfterTheColourCheck)
{
    SettingsStore store(QStringLiteral("/nonexistent-folder"));
    store.setInt(QStringLiteral("BackgroundColor"), 0xFFFFFF);
    store.setInt(QStringLiteral("TextColor"), 0);
    StartupOptions options;
    applyStartupSettings(params({"-c", "3", "255", "255", "255"}), store, options, [](const QString&) {});
    EXPECT_EQ(store.getInt(QStringLiteral("TextColor"), -1), 0xFFFFFF);
}

TEST(StartupOptions, WindowStartFollowsAutoShowAndTheFirstRun)
{
    struct Case {
        bool autoShow, firstRun;
        int pictures;
        WindowStart expected;
    };
    const Case cases[] = {
        {false, false, 0, {false, true, false}},
        {true, false, 0, {true, false, false}},
        {false, true, 0, {false, true, true}},
        {false, true, 1, {false, true, false}}, // one picture opens its folder already
        {true, true, 2, {true, false, true}},
    };
    for (const Case& c : cases) {
        SettingsStore store(QStringLiteral("/nonexistent-folder"));
        store.setBool(QStringLiteral("AutoShow"), c.autoShow);
        StartupOptions options;
        options.showFirstRunHints = c.firstRun;
        for (int i = 0; i < c.pictures; ++i)
            options.commandLinePictures << QStringLiteral("/p/%1.jpg").arg(i);
        const WindowStart start = decideWindowStart(options, store);
        EXPECT_EQ(start.startAutoShow, c.expected.startAutoShow);
        EXPECT_EQ(start.focusFolderTree, c.expected.focusFolderTree);
        EXPECT_EQ(start.showFolderViewHint, c.expected.showFolderViewHint) << c.firstRun << c.pictures;
    }
}

TEST(StartupOptions, StoredPermanently)
{
    TempDir dir;
    {
        SettingsStore store(dir.path());
        const QStringList p = params({"-v", "3", "-a", "-d", "5"});
        loadChosenSettings(store, chooseSettings(p));
        apply(store, p);
        ASSERT_TRUE(store.save());
    }
    SettingsStore again(dir.path());
    again.load();
    EXPECT_TRUE(again.getBool(QStringLiteral("FullScreen"), false));
    EXPECT_TRUE(again.getBool(QStringLiteral("AppFullScreenMode"), false));
    EXPECT_TRUE(again.getBool(QStringLiteral("AutoShow"), false));
    EXPECT_EQ(again.getInt(QStringLiteral("AutoShowDelay"), 10), 5);
}

TEST(StartupOptions, NamedSettingsFileIsLeftUnchanged)
{
    TempDir named;
    TempDir personal;
    {
        SettingsStore writer(named.path());
        writer.setInt(QStringLiteral("AutoShowDelay"), 9);
        writer.setBool(QStringLiteral("AutoShow"), false);
        ASSERT_TRUE(writer.save());
    }
    const QString file = named.file(QString::fromLatin1(SettingsStore::kFileName));
    const QByteArray before = test::readAll(file);
    ASSERT_FALSE(before.isEmpty());

    SettingsStore store(personal.path());
    const QStringList p = params({"-x", file.toStdString(), "-v", "3", "-a", "-d", "5"});
    loadChosenSettings(store, chooseSettings(p));
    ASSERT_TRUE(store.readOnly());
    EXPECT_EQ(store.getInt(QStringLiteral("AutoShowDelay"), 10), 9); // read from the named file
    apply(store, p);
    // This run sees the options...
    EXPECT_TRUE(store.getBool(QStringLiteral("AutoShow"), false));
    EXPECT_EQ(store.getInt(QStringLiteral("AutoShowDelay"), 10), 5);
    // ...but nothing is written anywhere.
    store.save();
    EXPECT_EQ(test::readAll(file), before);
    EXPECT_FALSE(QFile::exists(personal.file(QString::fromLatin1(SettingsStore::kFileName))));
}

} // namespace

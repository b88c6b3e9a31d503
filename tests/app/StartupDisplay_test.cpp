#include "app/startup/ColourComponents.h"
#include "app/startup/DisplayCheck.h"
#include "app/startup/DisplaySettingsCommand.h"
#include "app/startup/StartupDecisions.h"
#include "core/settings/SettingsStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vistello;

namespace {

TEST(StartupColourComponent, ParsesDecimalAndHexAndSaturates)
{
    const struct {
        const char16_t* text;
        std::optional<int> value;
    } cases[] = {
        {u"0", 0}, {u"255", 255}, {u"256", 255}, {u"007", 7}, {u"12ab", 12},
        {u"0x10", 16}, {u"0XfF", 255}, {u"0x", 0}, {u"0xzz", 0}, {u"0x1g", 1},
        {u"99999999999999999999", 255}, {u"0x123456789abcdef0123", 255},
        {u"-1", std::nullopt}, {u"x1", std::nullopt}, {u"", std::nullopt}, {u" 1", std::nullopt},
        {u"+1", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseColourComponent(c.text), c.value) << QString::fromUtf16(c.text).toStdString();
}

TEST(StartupColourSanity, EqualColoursGetInverseText)
{
    test::TempDir dir;
    SettingsStore store(dir.path());
    // Defaults differ (white and black): nothing changes.
    EXPECT_FALSE(applyColourSanity(store));
    EXPECT_EQ(store.getInt(QStringLiteral("TextColor"), -1), 0);

    store.setInt(QStringLiteral("BackgroundColor"), makeColour(10, 20, 30));
    store.setInt(QStringLiteral("TextColor"), makeColour(10, 20, 30));
    EXPECT_TRUE(applyColourSanity(store));
    EXPECT_EQ(store.getInt(QStringLiteral("TextColor"), -1), makeColour(245, 235, 225));
    EXPECT_EQ(inverseColour(0), 0xFFFFFF);
    EXPECT_EQ(inverseColour(0xFFFFFF), 0);
}

TEST(StartupDisplayCheck, ProblemsAndConfirmations)
{
    const struct {
        DisplayFacts facts;
        const char* problems;
        const char* confirmations;
    } cases[] = {
        {{1024, 768, 24, true}, "",
         "The display resolution is 1024x768 pixel [OK].\nThe color depth is 24 Bit (16777216 colors) [OK].\n"
         "Media playback support is installed [OK]."},
        {{639, 480, 8, false},
         "The display resolution should be at least 640x480 or higher!\n"
         "You need a higher color depth for an optimal display of the picture!\n"
         "Media playback support is necessary to view videos. The video functions are disabled.",
         ""},
        {{640, 479, 32, true}, "The display resolution should be at least 640x480 or higher!",
         "The color depth is 32 Bit (16777216 colors) [OK].\nMedia playback support is installed [OK]."},
        {{640, 480, 16, false}, "Media playback support is necessary to view videos. The video functions are disabled.",
         "The display resolution is 640x480 pixel [OK].\nThe color depth is 16 Bit (65536 colors) [OK]."},
    };
    for (const auto& c : cases) {
        const DisplayCheckTexts texts = buildDisplayCheck(c.facts);
        EXPECT_EQ(texts.problems, QString::fromUtf8(c.problems));
        EXPECT_EQ(texts.confirmations, QString::fromUtf8(c.confirmations));
    }
}

TEST(StartupDisplaySettings, KnownDesktopsWithInstalledPrograms)
{
    const auto installed = [](QStringList programs) {
        return [programs](const QString& program) { return programs.contains(program); };
    };
    const QStringList all{"gnome-control-center", "systemsettings", "kcmshell5", "xfce4-display-settings"};
    EXPECT_EQ(displaySettingsCommand(u"GNOME", installed(all)), (QStringList{"gnome-control-center", "display"}));
    EXPECT_EQ(displaySettingsCommand(u"ubuntu:GNOME", installed(all)),
              (QStringList{"gnome-control-center", "display"}));
    EXPECT_EQ(displaySettingsCommand(u"kde", installed({"kcmshell5"})), (QStringList{"kcmshell5", "kcm_kscreen"}));
    EXPECT_EQ(displaySettingsCommand(u"XFCE", installed(all)), QStringList{"xfce4-display-settings"});
    // Unknown desktops and missing programs hide the button.
    EXPECT_TRUE(displaySettingsCommand(u"GNOME", installed({})).isEmpty());
    EXPECT_TRUE(displaySettingsCommand(u"sway", installed(all)).isEmpty());
    EXPECT_TRUE(displaySettingsCommand(u"", installed(all)).isEmpty());
}

} // namespace

#include "ui/options/OptionsPage.h"

#include "app/window/frame/DisplayStyle.h"
#include "app/window/options/OptionsRules.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"

#include <QCheckBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace vistello {
namespace {

struct Fixture {
    SettingsStore store{QStringLiteral("/nonexistent/")};
    ScriptedPrompts prompts;
    int refreshes = 0;
    int left = 0;
    OptionsHost host()
    {
        OptionsHost h;
        h.store = &store;
        h.prompts = &prompts;
        h.folderViewShown = [] { return true; };
        h.showFolderView = [](bool) {};
        h.frameFlagsChanged = [] {};
        h.coloursChanged = [] {};
        h.carryOut = [this](const OptionsEffects& effects) { refreshes += effects.refreshAll ? 1 : 0; };
        h.rescan = [] {};
        h.leave = [this] { ++left; };
        h.jobsRunning = [] { return false; };
        return h;
    }
};

template <typename Widget>
Widget* named(QWidget& page, const QString& text)
{
    for (Widget* widget : page.findChildren<Widget*>())
        if (widget->isVisibleTo(&page) && widget->text() == text)
            return widget;
    return nullptr;
}

TEST(OptionsPage, keepingOriginalsStopsOnlyAfterYes)
{
    Fixture f;
    OptionsPage page(f.host(), nullptr);
    page.showStyle(style::Settings);
    QCheckBox* keep = named<QCheckBox>(page, QStringLiteral("Save original before modification"));
    ASSERT_TRUE(keep && keep->isChecked());
    f.prompts.queueAnswer(QStringLiteral("no"));
    keep->click();
    EXPECT_TRUE(keep->isChecked());
    EXPECT_TRUE(f.store.get(setting::CopyOriginal));
    f.prompts.queueAnswer(QStringLiteral("yes"));
    keep->click();
    EXPECT_FALSE(keep->isChecked());
    EXPECT_FALSE(f.store.get(setting::CopyOriginal));
    keep->click(); // ticking needs no question
    EXPECT_TRUE(f.store.get(setting::CopyOriginal));
    EXPECT_EQ(f.prompts.shown().size(), 2);
}

TEST(OptionsPage, orientationAtOnceThenCancelPutsItBackWithoutRefresh)
{
    Fixture f;
    OptionsPage page(f.host(), nullptr);
    page.showStyle(style::Settings);
    named<QCheckBox>(page, QStringLiteral("Rotate automatically according to the orientation flag"))->click();
    EXPECT_FALSE(f.store.get(setting::Orientation));
    named<QPushButton>(page, QStringLiteral("Cancel"))->click();
    EXPECT_TRUE(f.store.get(setting::Orientation));
    EXPECT_EQ(f.refreshes, 0);
    EXPECT_EQ(f.left, 1);
}

TEST(OptionsPage, orientationChangedAndAppliedRefreshesTheViews)
{
    Fixture f;
    OptionsPage page(f.host(), nullptr);
    page.showStyle(style::Settings);
    named<QCheckBox>(page, QStringLiteral("Rotate automatically according to the orientation flag"))->click();
    named<QPushButton>(page, QStringLiteral("Apply"))->click();
    EXPECT_FALSE(f.store.get(setting::Orientation));
    EXPECT_EQ(f.refreshes, 1);
    EXPECT_EQ(f.left, 0);
    named<QPushButton>(page, QStringLiteral("Cancel"))->click(); // Apply renewed the memory
    EXPECT_FALSE(f.store.get(setting::Orientation));
}

} // namespace
} // namespace vistello

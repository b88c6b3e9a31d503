#include "app/gui/FirstRunDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace vistello;

namespace {

TEST(StartupFirstRunDialog, BuildsWithItsTexts)
{
    const DisplayCheckTexts check{QStringLiteral("Problem line"), QStringLiteral("Line one\nLine two")};
    FirstRunDialog dialog(check, {});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Vistello LE"));

    const auto* shortcuts = dialog.findChild<QCheckBox*>(QStringLiteral("makeShortcuts"));
    ASSERT_NE(shortcuts, nullptr);
    EXPECT_EQ(shortcuts->text(), QStringLiteral("Make shortcut to Vistello LE on your desktop and in the start menu?"));
    EXPECT_TRUE(shortcuts->isChecked());
    EXPECT_TRUE(dialog.makeShortcutsChecked());

    const auto* problems = dialog.findChild<QLabel*>(QStringLiteral("displayProblems"));
    const auto* confirmations = dialog.findChild<QLabel*>(QStringLiteral("displayConfirmations"));
    ASSERT_NE(problems, nullptr);
    ASSERT_NE(confirmations, nullptr);
    EXPECT_EQ(problems->text(), check.problems);
    EXPECT_EQ(confirmations->text(), check.confirmations);
    EXPECT_EQ(confirmations->font().weight(), QFont::Bold);

    // No known display settings: the button is hidden.
    const auto* settings = dialog.findChild<QPushButton*>(QStringLiteral("displaySettings"));
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->text(), QStringLiteral("Settings"));
    EXPECT_FALSE(settings->isVisibleTo(&dialog));

    FirstRunDialog withSettings(check, {QStringLiteral("true")});
    EXPECT_TRUE(withSettings.findChild<QPushButton*>(QStringLiteral("displaySettings"))->isVisibleTo(&withSettings));
}

} // namespace

// The list views take their look from the settings when they are set up.
#include "ui/overview/OverviewStripController.h"

#include "app/window/frame/MainWindowState.h"
#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "ui/overview/OverviewPage.h"
#include "ui/strip/PreviewStrip.h"

#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

using namespace vistello;

// On a black background an unset "TextColor" must not draw black names.
TEST(OverviewStripController, TextColourOnADarkBackground)
{
    QTemporaryDir dir;
    SettingsStore store{dir.path() + QLatin1Char('/')};
    store.setInt(QStringLiteral("BackgroundColor"), 0);
    PictureLists lists;
    ScriptedPrompts prompts;
    MainWindowState state;
    QWidget window;
    OverviewStripController controller(window, store, lists, prompts, state, {});
    PreviewStrip strip(lists, &window);
    controller.setUpStrip(strip);
    EXPECT_EQ(strip.palette().color(QPalette::Text), QColor(Qt::white));
    OverviewPage overview(lists, true, &window);
    controller.setUpOverview(overview);
    EXPECT_EQ(overview.palette().color(QPalette::WindowText), QColor(Qt::white));

    store.setInt(QStringLiteral("TextColor"), 0x0000FF);
    PreviewStrip red(lists, &window);
    controller.setUpStrip(red);
    EXPECT_EQ(red.palette().color(QPalette::Text), QColor(255, 0, 0));
}

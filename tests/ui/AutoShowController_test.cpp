#include "ui/viewer/AutoShowController.h"

#include "core/settings/SettingsStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vistello;

namespace {

void runEventsFor(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

// A playing sound holds the show on its picture; it goes on once the sound ended.
TEST(AutoShowControllerWidget, WaitsWhileASoundPlays)
{
    QTemporaryDir dir;
    SettingsStore store(dir.path() + QLatin1Char('/'));
    store.setInt(QStringLiteral("AutoShowDelay"), 1);
    bool soundPlaying = true;
    int steps = 0;
    bool leftFullScreen = false;
    AutoShowHost host;
    host.listCount = [] { return 3; };
    host.appFullScreen = [] { return false; };
    host.enter = [] {};
    host.leave = [&](bool leave) { leftFullScreen = leave; };
    host.next = [&] { ++steps; };
    host.busy = [&] {
        AutoShowBusy busy;
        busy.soundPlaying = soundPlaying;
        return busy;
    };
    AutoShowController show(store, host, nullptr);
    show.start();
    ASSERT_TRUE(show.running());
    runEventsFor(1500);
    EXPECT_EQ(steps, 0);
    soundPlaying = false;
    runEventsFor(1200);
    EXPECT_GE(steps, 1);
    show.stop();
    EXPECT_FALSE(show.running());
    EXPECT_TRUE(leftFullScreen) << "the frame was not full screen before the show";
}

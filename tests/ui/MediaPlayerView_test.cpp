// The media player widget against the real player program: a file the
// backend cannot play ends playback, so the auto show never waits for ever.
#include "platform/MediaSupport.h"
#include "ui/viewer/MediaPlayerView.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vistello;

namespace {

bool waitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

TEST(MediaPlayerView, AFileThatCannotBePlayedClearsMediaPlaying)
{
    if (!mediaPlaybackAvailable())
        GTEST_SKIP() << "no working media backend";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("broken.avi"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, '\x5a'));
    file.close();

    MediaPlayerView player(nullptr);
    player.resize(400, 300);
    player.open(path);
    EXPECT_TRUE(player.mediaPlaying()); // opening counts as playing
    EXPECT_TRUE(waitFor([&] { return !player.mediaPlaying(); }, 15000));
    EXPECT_EQ(player.stateJson().value(QStringLiteral("state")).toString(), QStringLiteral("closed"));
}

} // namespace

#include "app/samples/WavWriter.h"
#include "media/SoundPlayer.h"
#include "platform/MediaSupport.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <gtest/gtest.h>

using namespace vistello;

namespace {

bool endsWithin(const SoundPlayer& player, int ms)
{
    const QDeadlineTimer deadline(ms);
    while (player.playing() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return !player.playing();
}

} // namespace

// The playing child ends by itself (played, or no sound device), and
// another sound or stop() ends it at once; nothing is left running.
TEST(SoundPlayer, ChildProcessesEndByThemselvesOrWhenStopped)
{
    if (mediaProbeProgram().isEmpty())
        SKIP_OR_FAIL("the media probe program is not built");
    // The FFmpeg backend used to leave a file it cannot open loading for ever.
    const QByteArray backend = qgetenv("QT_MEDIA_BACKEND");
    if (installedMediaBackends().contains(QStringLiteral("ffmpeg")))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    test::TempDir dir;
    const QString tone = dir.write(QStringLiteral("tone.wav"), samples::WavWriter::tone(440.0, 200));
    SoundPlayer player;
    player.playFile(dir.write(QStringLiteral("not-a-sound.wav"), QByteArray("nothing to play")));
    EXPECT_TRUE(endsWithin(player, 20000));
    player.playFile(tone);
    player.playData(samples::WavWriter::tone(440.0, 5000));
    EXPECT_EQ(player.started(), 3);
    player.stop();
    EXPECT_FALSE(player.playing());
    if (backend.isEmpty())
        qunsetenv("QT_MEDIA_BACKEND");
    else
        qputenv("QT_MEDIA_BACKEND", backend);
}

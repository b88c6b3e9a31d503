// vistello-media-probe: answers, by its exit status, whether Qt Multimedia
// plays media with the backend named in QT_MEDIA_BACKEND (Qt's own choice
// when unset). A missing backend makes Qt abort and a broken one can crash,
// so the programs ask this separate process instead of loading Qt
// Multimedia themselves; that also keeps its libraries out of their start.
//
// With "--play FILE" it plays one sound and ends ("-": the sound comes on
// standard input): the viewer's sound memos play here for the same reason.
// With "--serve FILE" it is the viewer's media player (MediaServer.h).
#include "MediaServer.h"

#include <QAudioOutput>
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QMediaFormat>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>

#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr qint64 kMaxSoundBytes = qint64(256) << 20;
constexpr int kLoadTimeoutMs = 10000;

int play(QCoreApplication& app, const QString& source)
{
    QMediaPlayer player;
    QAudioOutput output;
    player.setAudioOutput(&output);
    QBuffer memory;
    if (source == QLatin1String("-")) {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly))
            return 1;
        memory.setData(in.read(kMaxSoundBytes));
        memory.open(QIODevice::ReadOnly);
        player.setSourceDevice(&memory, QUrl(QStringLiteral("memo.wav")));
    } else {
        player.setSource(QUrl::fromLocalFile(source));
    }
    // Queued: a backend may report the end before the event loop runs, when
    // exit() would be lost and the process would wait for ever.
    QObject::connect(
        &player, &QMediaPlayer::mediaStatusChanged, &app,
        [&app](QMediaPlayer::MediaStatus status) {
            if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia)
                app.exit(status == QMediaPlayer::EndOfMedia ? 0 : 1);
        },
        Qt::QueuedConnection);
    QObject::connect(&player, &QMediaPlayer::errorOccurred, &app, [&app] { app.exit(1); }, Qt::QueuedConnection);
    // A source that cannot be opened may fail here and still leave play()
    // loading for ever; a load that never ends is given up the same way.
    if (player.error() != QMediaPlayer::NoError || player.mediaStatus() == QMediaPlayer::InvalidMedia)
        return 1;
    QTimer::singleShot(kLoadTimeoutMs, &app, [&player, &app] {
        const QMediaPlayer::MediaStatus status = player.mediaStatus();
        if (status == QMediaPlayer::NoMedia || status == QMediaPlayer::LoadingMedia)
            app.exit(1);
    });
    player.play();
    return app.exec();
}

} // namespace

int main(int argc, char** argv)
{
    const int protocolOut = ::dup(STDOUT_FILENO); // the player's answers, before the backends' noise is muted
    const int devNull = ::open("/dev/null", O_WRONLY);
    if (devNull >= 0) { // the backends complain loudly when they fail
        ::dup2(devNull, STDOUT_FILENO);
        ::dup2(devNull, STDERR_FILENO);
    }
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);

    if (argc == 3 && std::strcmp(argv[1], "--serve") == 0 && protocolOut >= 0) {
        // Turning frames into pictures needs the graphics side of Qt, never
        // a screen: the frames are drawn by the window.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        ::_exit(serveMedia(app, QString::fromLocal8Bit(argv[2]), protocolOut));
    }
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--play"))
        ::_exit(play(app, arguments[2]));
    if (protocolOut >= 0)
        ::close(protocolOut);

    bool works = !QMediaFormat().supportedFileFormats(QMediaFormat::Decode).isEmpty();
    if (works) {
        QMediaPlayer player;
        works = player.isAvailable();
    }
    // Straight out: the backends leave work for exit handlers that may hang or crash.
    ::_exit(works ? 0 : 1);
}

#include "MediaServer.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QImage>
#include <QMediaPlayer>
#include <QSocketNotifier>
#include <QTimer>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>

#include <cerrno>
#include <unistd.h>

namespace {

constexpr int kLoadTimeoutMs = 10000;
constexpr int kMaxSide = 8192;

class Server {
public:
    Server(QCoreApplication& app, int out) : app_(app), out_(out)
    {
        player_.setAudioOutput(&audio_);
        player_.setVideoSink(&sink_);
        QObject::connect(&sink_, &QVideoSink::videoFrameChanged, &app_,
                         [this](const QVideoFrame& frame) { frameArrived(frame); });
        QObject::connect(&player_, &QMediaPlayer::mediaStatusChanged, &app_,
                         [this](QMediaPlayer::MediaStatus status) { statusChanged(status); }, Qt::QueuedConnection);
        QObject::connect(&player_, &QMediaPlayer::errorOccurred, &app_, [this] { fail(); }, Qt::QueuedConnection);
        QObject::connect(&heartbeat_, &QTimer::timeout, &app_, [this] { say("pos " + QByteArray::number(player_.position())); });
        heartbeat_.start(100);
        input_ = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, &app_);
        QObject::connect(input_, &QSocketNotifier::activated, &app_, [this] { readCommands(); });
    }

    void open(const QString& path)
    {
        player_.setSource(QUrl::fromLocalFile(path));
        QTimer::singleShot(kLoadTimeoutMs, &app_, [this] {
            if (!loaded_)
                fail();
        });
    }

private:
    void say(const QByteArray& line) { write(line + '\n'); }

    void write(const QByteArray& bytes)
    {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(out_, bytes.constData() + done, size_t(bytes.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                ::_exit(1); // the window is gone
            done += n;
        }
    }

    void fail()
    {
        say("error");
        ::_exit(1);
    }

    void statusChanged(QMediaPlayer::MediaStatus status)
    {
        if (status == QMediaPlayer::InvalidMedia) {
            fail();
        } else if (!loaded_ && (status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferedMedia)) {
            loaded_ = true;
            say("loaded " + QByteArray::number(player_.duration()) + ' ' + (player_.isSeekable() ? '1' : '0'));
            player_.play();
        } else if (status == QMediaPlayer::EndOfMedia) {
            say("end");
        }
    }

    void frameArrived(const QVideoFrame& frame)
    {
        if (!frame.isValid())
            return;
        const QSize size = frame.size();
        if (size != videoSize_) {
            videoSize_ = size;
            say("video " + QByteArray::number(size.width()) + ' ' + QByteArray::number(size.height()));
        }
        pending_ = frame;
        if (!awaitingAck_)
            sendPending();
    }

    void sendPending()
    {
        if (!pending_.isValid() || area_.isEmpty())
            return;
        QImage image = pending_.toImage();
        pending_ = QVideoFrame();
        if (image.isNull())
            return;
        image = image.scaled(area_, Qt::KeepAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
        QByteArray bytes = "frame " + QByteArray::number(image.width()) + ' ' + QByteArray::number(image.height()) + '\n';
        for (int y = 0; y < image.height(); ++y)
            bytes.append(reinterpret_cast<const char*>(image.constScanLine(y)), qsizetype(image.width()) * 4);
        awaitingAck_ = true;
        write(bytes);
    }

    void readCommands()
    {
        char buffer[512];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0)
            ::_exit(0); // the window closed the player
        inputBuffer_.append(buffer, n);
        qsizetype end;
        while ((end = inputBuffer_.indexOf('\n')) >= 0) {
            const QList<QByteArray> words = inputBuffer_.left(end).split(' ');
            inputBuffer_.remove(0, end + 1);
            command(words);
        }
        if (inputBuffer_.size() > 4096)
            inputBuffer_.clear();
    }

    void command(const QList<QByteArray>& words)
    {
        const QByteArray& name = words.value(0);
        if (name == "play") {
            player_.play();
        } else if (name == "pause") {
            player_.pause();
        } else if (name == "seek" && words.size() == 2) {
            player_.setPosition(words[1].toLongLong());
        } else if (name == "size" && words.size() == 3) {
            const int w = words[1].toInt(), h = words[2].toInt();
            area_ = w > 0 && h > 0 && w <= kMaxSide && h <= kMaxSide ? QSize(w, h) : QSize();
        } else if (name == "ack") {
            awaitingAck_ = false;
            sendPending();
        } else if (name == "quit") {
            ::_exit(0); // straight out, as the probe does: exit handlers of a backend may hang
        }
    }

    QCoreApplication& app_;
    int out_;
    QMediaPlayer player_;
    QAudioOutput audio_;
    QVideoSink sink_;
    QTimer heartbeat_;
    QSocketNotifier* input_ = nullptr;
    QByteArray inputBuffer_;
    QVideoFrame pending_;
    QSize videoSize_;
    QSize area_;
    bool awaitingAck_ = false;
    bool loaded_ = false;
};

} // namespace

int serveMedia(QCoreApplication& app, const QString& path, int protocolOut)
{
    Server server(app, protocolOut);
    server.open(path);
    return app.exec();
}

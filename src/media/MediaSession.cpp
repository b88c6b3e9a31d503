#include "media/MediaSession.h"

#include "platform/MediaSupport.h"

#include <QProcess>

#include <cstring>

namespace vistello {
namespace {

constexpr int kMaxFrameSide = 8192;
constexpr qsizetype kMaxLine = 256;

} // namespace

MediaSession::MediaSession(QObject* parent) : QObject(parent)
{
    watchdog_.setSingleShot(true);
    connect(&watchdog_, &QTimer::timeout, this, &MediaSession::fail);
}

MediaSession::~MediaSession()
{
    close();
}

bool MediaSession::open(const QString& path)
{
    close();
    const QString program = mediaProbeProgram();
    if (program.isEmpty())
        return false;
    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::SeparateChannels);
    process_->setStandardErrorFile(QProcess::nullDevice());
    connect(process_, &QProcess::readyReadStandardOutput, this, &MediaSession::readAnswers);
    connect(process_, &QProcess::finished, this, [this] {
        if (process_)
            fail();
    });
    process_->start(program, {QStringLiteral("--serve"), path});
    if (!process_->waitForStarted(3000)) {
        close();
        return false;
    }
    loaded_ = false;
    watchdog_.start(kLoadMs);
    if (!area_.isEmpty())
        setFrameArea(area_);
    return true;
}

void MediaSession::close()
{
    watchdog_.stop();
    buffer_.clear();
    if (!process_)
        return;
    QProcess* process = process_;
    process_ = nullptr;
    process->disconnect(this);
    process->write("quit\n");
    process->kill(); // a backend may hang in its exit
    process->waitForFinished(1000);
    process->deleteLater();
}

void MediaSession::send(const QByteArray& line)
{
    if (process_)
        process_->write(line + '\n');
}

void MediaSession::play() { send("play"); }
void MediaSession::pause() { send("pause"); }
void MediaSession::seek(int64_t ms) { send("seek " + QByteArray::number(qint64(ms))); }

void MediaSession::setFrameArea(QSize area)
{
    area_ = area;
    if (!area.isEmpty())
        send("size " + QByteArray::number(area.width()) + ' ' + QByteArray::number(area.height()));
}

void MediaSession::fail()
{
    close();
    Q_EMIT failed();
}

void MediaSession::readAnswers()
{
    if (!process_)
        return;
    buffer_.append(process_->readAllStandardOutput());
    while (process_ && takeAnswer()) {
    }
}

bool MediaSession::takeAnswer()
{
    const qsizetype end = buffer_.indexOf('\n');
    if (end < 0) {
        if (buffer_.size() > kMaxLine)
            fail();
        return false;
    }
    const QList<QByteArray> words = buffer_.left(end).split(' ');
    const QByteArray& name = words.value(0);
    if (name == "frame") {
        const int w = words.value(1).toInt(), h = words.value(2).toInt();
        if (w <= 0 || h <= 0 || w > kMaxFrameSide || h > kMaxFrameSide) {
            fail();
            return false;
        }
        const qsizetype bytes = qsizetype(w) * h * 4;
        if (buffer_.size() < end + 1 + bytes)
            return false; // the rest of the frame is still coming
        QImage image(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            std::memcpy(image.scanLine(y), buffer_.constData() + end + 1 + qsizetype(y) * w * 4, size_t(w) * 4);
        buffer_.remove(0, end + 1 + bytes);
        send("ack");
        Q_EMIT frame(image);
        return true;
    }
    buffer_.remove(0, end + 1);
    if (loaded_)
        watchdog_.start(kSilenceMs); // every answer is a sign of life
    if (name == "loaded") {
        loaded_ = true;
        watchdog_.start(kSilenceMs);
        Q_EMIT loaded(words.value(1).toLongLong(), words.value(2) == "1");
    } else if (name == "video") {
        Q_EMIT videoSize(QSize(words.value(1).toInt(), words.value(2).toInt()));
    } else if (name == "pos") {
        Q_EMIT position(words.value(1).toLongLong());
    } else if (name == "end") {
        Q_EMIT ended();
    } else if (name == "error") {
        fail();
        return false;
    }
    return true;
}

} // namespace vistello

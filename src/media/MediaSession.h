#pragma once
// One media file played for the viewer's media player in the media probe
// program ("--serve", see app/probe/MediaServer.h): this object starts it,
// sends it the player's commands and turns its answers into signals. A
// player that stops answering for kSilenceMs, fails to load in time, or ends
// of its own accord is reported as failed and killed; the window never
// waits on it. Positions are in milliseconds here.
#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QTimer>

class QProcess;

namespace vistello {

class MediaSession : public QObject {
    Q_OBJECT
public:
    static constexpr int kSilenceMs = 4000;
    static constexpr int kLoadMs = 12000;

    explicit MediaSession(QObject* parent = nullptr);
    ~MediaSession() override;

    // Starts playing path; false when the player program cannot start.
    bool open(const QString& path);
    void close();
    bool isOpen() const { return process_ != nullptr; }

    void play();
    void pause();
    void seek(int64_t ms);
    // The area frames are scaled into.
    void setFrameArea(QSize area);

Q_SIGNALS:
    void loaded(int64_t durationMs, bool seekable);
    void videoSize(QSize size);
    void position(int64_t ms);
    void ended();
    void frame(const QImage& image);
    void failed();

private:
    void send(const QByteArray& line);
    void readAnswers();
    // One complete answer from the front of buffer_; false when more is needed.
    bool takeAnswer();
    void fail();

    QProcess* process_ = nullptr;
    QByteArray buffer_;
    QTimer watchdog_;
    QSize area_;
    bool loaded_ = false;
};

} // namespace vistello

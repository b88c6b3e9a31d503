#pragma once
// Plays one sound at a time in the media probe program, never in this
// process: Qt Multimedia's backends may hang or crash, and its libraries
// stay out of the program's start. Starting another sound or stop() ends
// the one playing; so does the end of this object or of the program.
#include <QByteArray>
#include <QObject>
#include <QString>

class QProcess;

namespace vistello {

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    void playFile(const QString& path);
    // The bytes go to the player's own write buffer at once: the caller may
    // drop or reuse its buffer while the sound plays.
    void playData(const QByteArray& sound);
    void stop();
    bool playing() const;
    // How many sounds were started (scripted runs check it).
    int started() const { return started_; }

private:
    bool start(const QString& argument);

    QProcess* process_ = nullptr;
    int started_ = 0;
};

} // namespace vistello

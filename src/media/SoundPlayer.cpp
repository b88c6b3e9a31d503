#include "media/SoundPlayer.h"

#include "platform/MediaSupport.h"

#include <QProcess>

#include <csignal>
#include <sys/prctl.h>

namespace vistello {

SoundPlayer::SoundPlayer(QObject* parent)
    : QObject(parent)
{
}

SoundPlayer::~SoundPlayer()
{
    stop();
}

bool SoundPlayer::start(const QString& argument)
{
    stop();
    const QString program = mediaProbeProgram();
    if (program.isEmpty())
        return false;
    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // A sound never outlives the program that started it.
    process_->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process_->start(program, {QStringLiteral("--play"), argument});
    if (!process_->waitForStarted(2000)) {
        stop();
        return false;
    }
    ++started_;
    return true;
}

void SoundPlayer::playFile(const QString& path)
{
    start(path);
}

void SoundPlayer::playData(const QByteArray& sound)
{
    if (!start(QStringLiteral("-")))
        return;
    process_->write(sound);
    process_->closeWriteChannel();
}

void SoundPlayer::stop()
{
    if (!process_)
        return;
    process_->disconnect();
    if (process_->state() != QProcess::NotRunning) {
        process_->kill();
        process_->waitForFinished(1000);
    }
    delete process_;
    process_ = nullptr;
}

bool SoundPlayer::playing() const
{
    return process_ && process_->state() == QProcess::Running;
}

} // namespace vistello

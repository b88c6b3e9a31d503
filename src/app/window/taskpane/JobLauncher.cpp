#include "app/window/taskpane/JobLauncher.h"

#include "core/jobs/BackgroundJob.h"
#include "core/jobs/JobRegistry.h"
#include "organize/filecommands/FileCommands.h"

#include <QPointer>
#include <QTimer>

namespace vistello {

namespace {

// How often a job that outlived its stop time-out is looked at again.
constexpr int kLingerPollMs = 100;

} // namespace

JobLauncher::JobLauncher(FileCommands& commands, QObject* parent)
    : QObject(parent), commands_(commands)
{
}

JobLauncher::~JobLauncher() = default;

BackgroundJob* JobLauncher::start(std::unique_ptr<BackgroundJob> owned)
{
    BackgroundJob* job = JobRegistry::instance().add(std::move(owned));
    const int number = job->jobNumber();
    progress_.launched(number, job->kind());

    // Every signal is queued: the job emits on its own thread, and stop()
    // emits jobFinished on this one while the job may still be reporting.
    constexpr auto queued = Qt::QueuedConnection;
    connect(job, &BackgroundJob::jobStarted, this, &JobLauncher::onStarted, queued);
    connect(job, &BackgroundJob::jobStep, this, &JobLauncher::onStep, queued);
    connect(job, &BackgroundJob::jobFinished, this, &JobLauncher::onFinished, queued);
    connect(job, &BackgroundJob::jobFailed, this,
            [this](int n, const QString& message) { progress_.failedWith(n, message); }, queued);
    connect(job, &BackgroundJob::fileWritten, this,
            [this, number](const QString& path) { progress_.written(number, path); }, queued);
    connect(job, &BackgroundJob::fileFailed, this,
            [this, number](const QString& path) { progress_.failed(number, path); }, queued);
    connect(job, &BackgroundJob::entryRenamed, this, [this](const QString& from, const QString& to) {
        // The file has moved whether or not the job was cancelled: the
        // cached bitmaps follow it before the list names it anew.
        commands_.cacheRenamed(from, to);
        commands_.entryRenamed(from, to);
    }, queued);
    job->start();
    return job;
}

void JobLauncher::cancel(int jobNumber)
{
    JobRegistry::instance().cancel(jobNumber);
}

void JobLauncher::onStarted(int jobNumber, int stepCount, JobKind kind)
{
    const BackgroundJob* job = JobRegistry::instance().find(jobNumber);
    if (progress_.started(jobNumber, stepCount, kind, job ? job->title() : QString()))
        Q_EMIT changed();
}

void JobLauncher::onStep(int jobNumber, const QString& text)
{
    if (progress_.step(jobNumber, text))
        Q_EMIT changed();
}

void JobLauncher::onFinished(int jobNumber)
{
    if (!progress_.isOpen(jobNumber))
        return; // the second report of a stopped job
    if (progress_.finished(jobNumber))
        Q_EMIT changed();
    QPointer<QObject> job = JobRegistry::instance().find(jobNumber);
    // Stops the job when it still runs (at most the registry's time-out)
    // and destroys it once its thread has ended.
    JobRegistry::instance().remove(jobNumber);
    settleWhenEnded(jobNumber, job.data());
}

void JobLauncher::settleWhenEnded(int jobNumber, QObject* jobObject)
{
    QPointer<QObject> job = jobObject;
    const auto* background = qobject_cast<BackgroundJob*>(jobObject);
    if (!job || (background && background->finished())) {
        // Its thread has ended: whatever it reported is queued already, so
        // a call queued now comes after the last of it.
        QMetaObject::invokeMethod(this, [this, jobNumber] { settle(jobNumber); }, Qt::QueuedConnection);
        return;
    }
    // Left running past the time-out: looked at again until it ends.
    QTimer::singleShot(kLingerPollMs, this, [this, jobNumber, job] { settleWhenEnded(jobNumber, job.data()); });
}

void JobLauncher::settle(int jobNumber)
{
    const std::optional<FinishedJob> done = progress_.settle(jobNumber);
    if (!done)
        return;
    const int count = int(done->written.size());
    // A gallery's files are web pages and their images, not pictures for
    // the list; only its start page is offered, by the job itself.
    if (done->kind != JobKind::Gallery)
        for (const QString& path : done->written)
            commands_.resultWritten(path, count);
    if (done->kind == JobKind::Rename)
        commands_.renameDone();
    Q_EMIT jobSettled(jobNumber);
}

} // namespace vistello

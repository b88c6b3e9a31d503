#include "core/jobs/BackgroundJob.h"

#include <QtGlobal>

#include <atomic>

namespace vistello {

namespace {

std::atomic<int> nextJobNumber{1};

} // namespace

BackgroundJob::BackgroundJob(JobKind kind)
    : jobNumber_(nextJobNumber.fetch_add(1)), kind_(kind)
{
}

BackgroundJob::~BackgroundJob()
{
    // The concrete job's members are already gone: its thread must have
    // ended before (the job registry only destroys finished jobs).
    Q_ASSERT(!running() || finished());
}

bool BackgroundJob::stop(int timeoutMs)
{
    reportFinished();
    return WorkerThread::stop(timeoutMs);
}

void BackgroundJob::reportStarted(int stepCount)
{
    Q_EMIT jobStarted(jobNumber_, stepCount, kind_);
}

void BackgroundJob::reportStep(const QString& text)
{
    // After a stop the job list may already have dropped the entry.
    if (!stopRequested())
        Q_EMIT jobStep(jobNumber_, text);
}

void BackgroundJob::onExit()
{
    if (const std::optional<std::string> message = failure())
        Q_EMIT jobFailed(jobNumber_, QString::fromStdString(*message));
    reportFinished();
}

void BackgroundJob::reportFinished()
{
    if (!finishedReported_.exchange(true))
        Q_EMIT jobFinished(jobNumber_);
}

} // namespace vistello

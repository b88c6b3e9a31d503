// Batch jobs: numbering, the progress protocol as queued signals, cancel in
// the middle, and the registry that destroys a job only after its thread.
#include "core/jobs/BackgroundJob.h"
#include "core/jobs/JobRegistry.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

namespace vistello {
namespace {

using namespace std::chrono_literals;

// Steps through stepCount steps of stepTime each, polling the stop flag
// between steps (or not at all when deaf).
class StepJob : public BackgroundJob {
public:
    StepJob(int stepCount, std::chrono::milliseconds stepTime, std::atomic<int>* destroyed = nullptr)
        : BackgroundJob(JobKind::Resize), stepCount_(stepCount), stepTime_(stepTime),
          destroyed_(destroyed)
    {
    }
    ~StepJob() override
    {
        if (destroyed_)
            destroyed_->fetch_add(1);
    }

    std::atomic<bool> deaf{false};
    std::atomic<bool> began{false};
    std::atomic<bool> throwAfterFirstStep{false};
    std::atomic<bool> mustFinish{false};

    bool mustRunToEnd() const override { return mustFinish.load(); }

protected:
    void run() override
    {
        began.store(true);
        reportStarted(stepCount_);
        for (int step = 0; step < stepCount_; ++step) {
            if (stopRequested() && !deaf.load())
                return;
            std::this_thread::sleep_for(stepTime_);
            reportStep(step == 0 ? QStringLiteral("first") : QString());
            if (throwAfterFirstStep.load())
                throw std::runtime_error("disk full");
        }
    }

private:
    int stepCount_;
    std::chrono::milliseconds stepTime_;
    std::atomic<int>* destroyed_;
};

// What the job list receives, in order, on the test's thread.
struct ProgressLog {
    std::vector<QString> events;
    int finishedCount = 0;

    void connect(BackgroundJob& job, QObject* context)
    {
        QObject::connect(&job, &BackgroundJob::jobStarted, context,
                         [this](int number, int steps, JobKind kind) {
                             events.push_back(QStringLiteral("started %1 %2 %3")
                                                  .arg(number).arg(steps).arg(int(kind)));
                         }, Qt::QueuedConnection);
        QObject::connect(&job, &BackgroundJob::jobStep, context,
                         [this](int number, const QString& text) {
                             events.push_back(QStringLiteral("step %1 %2").arg(number).arg(text));
                         }, Qt::QueuedConnection);
        QObject::connect(&job, &BackgroundJob::jobFailed, context,
                         [this](int number, const QString& message) {
                             events.push_back(QStringLiteral("failed %1 %2").arg(number).arg(message));
                         }, Qt::QueuedConnection);
        QObject::connect(&job, &BackgroundJob::jobFinished, context,
                         [this](int number) {
                             events.push_back(QStringLiteral("finished %1").arg(number));
                             ++finishedCount;
                         }, Qt::QueuedConnection);
    }
};

void processEventsUntil(const std::function<bool()>& done)
{
    QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

TEST(BackgroundJob, NumbersIncreaseByOne)
{
    StepJob first(0, 0ms);
    StepJob second(0, 0ms);
    EXPECT_GE(first.jobNumber(), 1);
    EXPECT_EQ(second.jobNumber(), first.jobNumber() + 1);
}

TEST(BackgroundJob, ReportsStartedEachStepAndFinishedThroughTheEventLoop)
{
    QObject receiver;
    StepJob job(3, 1ms);
    ProgressLog log;
    log.connect(job, &receiver);
    job.start();
    processEventsUntil([&] { return log.finishedCount > 0; });
    ASSERT_TRUE(job.stop(2000));
    QCoreApplication::processEvents();
    const QString n = QString::number(job.jobNumber());
    const std::vector<QString> expected = {
        QStringLiteral("started %1 3 2").arg(n), QStringLiteral("step %1 first").arg(n),
        QStringLiteral("step %1 ").arg(n),       QStringLiteral("step %1 ").arg(n),
        QStringLiteral("finished %1").arg(n),
    };
    EXPECT_EQ(log.events, expected); // stop() after the end adds no second jobFinished
}

TEST(BackgroundJob, AnExceptionIsReportedAsAFailureBeforeTheFinish)
{
    QObject receiver;
    StepJob job(3, 1ms);
    job.throwAfterFirstStep = true;
    ProgressLog log;
    log.connect(job, &receiver);
    job.start();
    processEventsUntil([&] { return log.finishedCount > 0; });
    ASSERT_TRUE(job.stop(2000));
    const QString n = QString::number(job.jobNumber());
    const std::vector<QString> expected = {
        QStringLiteral("started %1 3 2").arg(n), QStringLiteral("step %1 first").arg(n),
        QStringLiteral("failed %1 disk full").arg(n), QStringLiteral("finished %1").arg(n),
    };
    EXPECT_EQ(log.events, expected);
}

TEST(BackgroundJob, CancelInTheMiddleStopsBetweenSteps)
{
    QObject receiver;
    StepJob job(10000, 1ms);
    ProgressLog log;
    log.connect(job, &receiver);
    job.start();
    processEventsUntil([&] { return log.events.size() >= 5; });
    const auto begin = std::chrono::steady_clock::now();
    EXPECT_TRUE(job.stop(JobRegistry::kStopTimeoutMs));
    EXPECT_LT(std::chrono::steady_clock::now() - begin, 1000ms);
    processEventsUntil([&] { return log.finishedCount >= 1; });
    QCoreApplication::processEvents();
    EXPECT_EQ(log.finishedCount, 1); // stop() reports it; the thread's end adds none
    EXPECT_LT(log.events.size(), size_t(10000));
}

TEST(JobRegistry, FindsByNumberAndTargetAndDestroysOnRemove)
{
    JobRegistry registry;
    std::atomic<int> destroyed{0};
    BackgroundJob* job = registry.add(std::make_unique<StepJob>(1, 0ms, &destroyed));
    job->setTitle(QStringLiteral("HTML page creation\n/home/u/Gallery/"));
    job->setTargetText(QStringLiteral("/home/u/Gallery/"));
    EXPECT_EQ(registry.find(job->jobNumber()), job);
    EXPECT_EQ(registry.find(job->jobNumber() + 1000), nullptr);
    EXPECT_TRUE(registry.targetInUse(QStringLiteral("/home/u/Gallery/")));
    EXPECT_TRUE(registry.targetInUse(QStringLiteral("/home/u/Gallery")));
    EXPECT_FALSE(registry.targetInUse(QStringLiteral("/home/u/gallery/"))) << "another folder on Linux";
    EXPECT_FALSE(registry.targetInUse(QStringLiteral("/home/u/Gallery2/")));
    EXPECT_FALSE(registry.targetInUse(QString()));
    job->start();
    registry.remove(job->jobNumber());
    EXPECT_EQ(destroyed.load(), 1);
    EXPECT_EQ(registry.count(), 0);
}

TEST(JobRegistry, JobMissingTheTimeOutIsDestroyedOnlyAfterItsThreadEnded)
{
    JobRegistry registry(50);
    std::atomic<int> destroyed{0};
    auto owned = std::make_unique<StepJob>(1, 300ms, &destroyed);
    owned->deaf = true;
    StepJob* stepJob = owned.get();
    BackgroundJob* job = registry.add(std::move(owned));
    job->start();
    while (!stepJob->began.load())
        std::this_thread::yield();
    const int number = job->jobNumber();
    registry.remove(number); // waits its time-out, then keeps the job aside
    EXPECT_EQ(destroyed.load(), 0);
    EXPECT_EQ(registry.lingeringCount(), 1);
    EXPECT_EQ(registry.find(number), nullptr);
    while (!job->finished())
        std::this_thread::sleep_for(10ms);
    registry.remove(number); // any later registry call reaps it
    EXPECT_EQ(destroyed.load(), 1);
    EXPECT_EQ(registry.lingeringCount(), 0);
}

TEST(JobRegistry, StopAllStopsAndDestroysEveryJob)
{
    JobRegistry registry;
    std::atomic<int> destroyed{0};
    std::vector<BackgroundJob*> jobs;
    for (int i = 0; i < 3; ++i) {
        jobs.push_back(registry.add(std::make_unique<StepJob>(100000, 1ms, &destroyed)));
        jobs.back()->start();
    }
    registry.cancel(jobs[1]->jobNumber()); // the Cancel button: stopped, still registered
    EXPECT_TRUE(jobs[1]->finished());
    EXPECT_FALSE(jobs[0]->finished());
    EXPECT_EQ(registry.count(), 3);
    const auto begin = std::chrono::steady_clock::now();
    registry.stopAll();
    EXPECT_LT(std::chrono::steady_clock::now() - begin, 2000ms);
    EXPECT_EQ(destroyed.load(), 3);
    EXPECT_EQ(registry.count(), 0);
}

TEST(JobRegistry, StopAllWaitsForAJobThatMustRunToEnd)
{
    JobRegistry registry(50);
    std::atomic<int> destroyed{0};
    auto owned = std::make_unique<StepJob>(2, 150ms, &destroyed);
    owned->deaf = true;
    owned->mustFinish = true;
    StepJob* job = owned.get();
    registry.add(std::move(owned))->start();
    while (!job->began.load())
        std::this_thread::yield();
    registry.stopAll(); // misses the time-out, yet is waited for, not abandoned
    EXPECT_EQ(destroyed.load(), 1);
    EXPECT_EQ(registry.lingeringCount(), 0);
}

} // namespace
} // namespace vistello

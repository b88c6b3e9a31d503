// A job's question is answered on the thread of the window, never on the
// job's own; a stop turns it into Cancel, also while the question waits.
#include "core/jobs/JobQuestion.h"

#include <QCoreApplication>
#include <QObject>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

namespace vistello {
namespace {

using namespace std::chrono_literals;

// Scripted answers that also note the thread each question came on.
class ThreadNotingPrompts : public ScriptedPrompts {
public:
    PromptReply ask(const PromptQuestion& question) override
    {
        askedOn = QThread::currentThread();
        return ScriptedPrompts::ask(question);
    }
    QThread* askedOn = nullptr;
};

// Runs the event loop of this thread until the future is ready.
template <typename T>
T waitWithEvents(std::future<T>& future)
{
    while (future.wait_for(5ms) != std::future_status::ready)
        QCoreApplication::processEvents();
    return future.get();
}

TEST(JobQuestion, AnsweredOnTheWindowThread)
{
    QObject window;
    ThreadNotingPrompts prompts;
    prompts.queueAnswer(QStringLiteral("no"));
    QueuedJobQuestion question(window, prompts);
    std::atomic<bool> stop{false};
    auto asked = std::async(std::launch::async, [&] { return cancelAfterFailedWrite(&question, QStringLiteral("/p/x.jpg"), stop); });
    EXPECT_FALSE(waitWithEvents(asked));
    EXPECT_EQ(prompts.askedOn, QThread::currentThread());
    ASSERT_EQ(prompts.shown().size(), 1);
    EXPECT_EQ(prompts.shown()[0], QStringLiteral("The file \"/p/x.jpg\" could not be created.\nDo you want to cancel?"));
}

TEST(JobQuestion, StopAnswersCancelAndTheQuestionIsDropped)
{
    QObject window;
    ScriptedPrompts prompts;
    prompts.queueAnswer(QStringLiteral("no"));
    QueuedJobQuestion question(window, prompts);
    std::atomic<bool> stop{false};
    auto asked = std::async(std::launch::async, [&] { return question.ask({}, stop); });
    std::this_thread::sleep_for(50ms); // queued, not yet answered: no events run here
    stop = true;
    EXPECT_EQ(asked.get(), PromptAnswer::Cancel);
    QCoreApplication::processEvents();
    EXPECT_TRUE(prompts.shown().isEmpty());

    // Raised before asking: nothing is queued at all.
    EXPECT_EQ(question.ask({}, stop), PromptAnswer::Cancel);
    EXPECT_EQ(FixedJobAnswer(PromptAnswer::No).ask({}, stop), PromptAnswer::Cancel);
    EXPECT_TRUE(cancelAfterFailedWrite(nullptr, QString(), std::atomic<bool>{false}));
}

} // namespace
} // namespace vistello

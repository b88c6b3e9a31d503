#include "core/jobs/JobQuestion.h"

#include "resources/EditStrings.h"

#include <QThread>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>

namespace vistello {

namespace {

// Shared by the waiting job and the queued call, whichever ends last.
struct PendingAnswer {
    std::mutex mutex;
    std::condition_variable answered;
    std::optional<PromptAnswer> answer;
    bool abandoned = false; // the job stopped waiting: the question is not shown any more
};

// How often a waiting job looks at its stop flag.
constexpr std::chrono::milliseconds kStopPoll{20};

} // namespace

PromptAnswer QueuedJobQuestion::ask(const PromptQuestion& question, const std::atomic<bool>& stop)
{
    if (stop.load() || !context_)
        return PromptAnswer::Cancel;
    if (QThread::currentThread() == context_->thread())
        return prompts_.ask(question).answer;

    auto pending = std::make_shared<PendingAnswer>();
    Prompts* prompts = &prompts_;
    QMetaObject::invokeMethod(
        context_.data(),
        [pending, prompts, question] {
            {
                std::lock_guard lock(pending->mutex);
                if (pending->abandoned)
                    return;
            }
            const PromptAnswer answer = prompts->ask(question).answer;
            std::lock_guard lock(pending->mutex);
            pending->answer = answer;
            pending->answered.notify_all();
        },
        Qt::QueuedConnection);

    std::unique_lock lock(pending->mutex);
    while (!pending->answer && !stop.load())
        pending->answered.wait_for(lock, kStopPoll);
    pending->abandoned = true;
    return stop.load() ? PromptAnswer::Cancel : *pending->answer;
}

PromptAnswer FixedJobAnswer::ask(const PromptQuestion& /*question*/, const std::atomic<bool>& stop)
{
    return stop.load() ? PromptAnswer::Cancel : answer_;
}

bool cancelAfterFailedWrite(JobQuestion* question, const QString& target, const std::atomic<bool>& stop)
{
    if (!question || stop.load())
        return true;
    PromptQuestion prompt;
    prompt.text = strings::formatInserts(strings::text(strings::kFileNotCreated), {target});
    prompt.buttons = PromptButtons::YesNo;
    prompt.defaultAnswer = PromptAnswer::Yes;
    const PromptAnswer answer = question->ask(prompt, stop);
    return answer == PromptAnswer::Yes || answer == PromptAnswer::Cancel;
}

} // namespace vistello

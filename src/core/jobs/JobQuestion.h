#pragma once
// How a background job asks the user something in the middle of its work
// ("The file ... could not be created. Do you want to cancel?"). The job's
// thread never opens a dialog: the window answers on its own thread through
// Prompts, the command line from its --on-error choice. Once the job is
// asked to stop the answer is Cancel without asking, also while a question
// is still waiting for the user.
#include "core/prompts/Prompts.h"

#include <QObject>
#include <QPointer>
#include <atomic>

namespace vistello {

class JobQuestion {
public:
    virtual ~JobQuestion() = default;
    // Called on the job's thread; returns when answered or when stop rises.
    virtual PromptAnswer ask(const PromptQuestion& question, const std::atomic<bool>& stop) = 0;
};

// The question is queued to the thread of context (the window), which asks
// prompts; the job waits. Both must outlive the jobs that ask (a context
// destroyed with a question queued leaves that job waiting for its stop).
class QueuedJobQuestion : public JobQuestion {
public:
    QueuedJobQuestion(QObject& context, Prompts& prompts) : context_(&context), prompts_(prompts) {}
    PromptAnswer ask(const PromptQuestion& question, const std::atomic<bool>& stop) override;

private:
    QPointer<QObject> context_;
    Prompts& prompts_;
};

// The same answer to every question, never shown (the command line).
class FixedJobAnswer : public JobQuestion {
public:
    explicit FixedJobAnswer(PromptAnswer answer) : answer_(answer) {}
    PromptAnswer ask(const PromptQuestion& question, const std::atomic<bool>& stop) override;

private:
    PromptAnswer answer_;
};

// "The file "target" could not be created. Do you want to cancel?": true
// when the job should end (Yes or Cancel; also without anyone to ask).
bool cancelAfterFailedWrite(JobQuestion* question, const QString& target, const std::atomic<bool>& stop);

} // namespace vistello

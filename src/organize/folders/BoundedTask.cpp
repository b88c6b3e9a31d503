#include "organize/folders/BoundedTask.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace vistello {

namespace {

struct Outcome {
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    bool abandoned = false; // the caller stopped waiting
    QString text;
};

} // namespace

std::optional<QString> runBounded(std::function<QString()> task, int waitMs,
                                  std::function<void(const QString&)> late)
{
    auto outcome = std::make_shared<Outcome>();
    std::thread([outcome, task = std::move(task), late = std::move(late)] {
        QString text = task();
        bool abandoned = false;
        {
            const std::lock_guard lock(outcome->mutex);
            outcome->text = text;
            outcome->done = true;
            abandoned = outcome->abandoned;
            outcome->ended.notify_all();
        }
        if (abandoned && late)
            late(text);
    }).detach();
    std::unique_lock lock(outcome->mutex);
    if (outcome->ended.wait_for(lock, std::chrono::milliseconds(waitMs), [&] { return outcome->done; }))
        return outcome->text;
    outcome->abandoned = true;
    return std::nullopt;
}

} // namespace vistello

#include "app/window/viewer/TransitionSchedule.h"

namespace vistello {

void TransitionSchedule::start(std::vector<TransitionStep> steps, int unitMs)
{
    steps_ = std::move(steps);
    next_ = 0;
    dueAtMs_ = 0;
    unitMs_ = unitMs;
}

std::vector<QRect> TransitionSchedule::advance(int64_t nowMs)
{
    std::vector<QRect> due;
    while (next_ < steps_.size() && dueAtMs_ <= nowMs) {
        const TransitionStep& step = steps_[next_++];
        due.insert(due.end(), step.copies.begin(), step.copies.end());
        dueAtMs_ += int64_t(step.waitUnits) * unitMs_;
    }
    return due;
}

void TransitionSchedule::finish()
{
    steps_.clear();
    next_ = 0;
}

} // namespace vistello

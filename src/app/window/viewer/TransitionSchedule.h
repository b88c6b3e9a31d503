#pragma once
// Plays a transition plan against a clock: each frame asks which steps are
// due and gets their rectangles; the waits never block.
#include "app/window/viewer/TransitionPlan.h"

#include <cstdint>

namespace vistello {

class TransitionSchedule {
public:
    // unitMs: the wait unit ("TransitionsDelay" squared).
    void start(std::vector<TransitionStep> steps, int unitMs);
    // The rectangles of every step due at nowMs after the start.
    std::vector<QRect> advance(int64_t nowMs);
    bool running() const { return next_ < steps_.size(); }
    void finish();

private:
    std::vector<TransitionStep> steps_;
    size_t next_ = 0;
    int64_t dueAtMs_ = 0;
    int unitMs_ = 1;
};

} // namespace vistello

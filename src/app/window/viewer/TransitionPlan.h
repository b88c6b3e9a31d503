#pragma once
// The effects that uncover a new picture in picture-only mode, as a list
// of steps: the rectangles of the new picture copied in each step and the
// wait before the next one in delay units. A player applies the steps that
// are due on each frame and all of them at once when the user interrupts.
#include <QRandomGenerator>
#include <QRect>
#include <vector>

namespace vistello {

enum class TransitionEffect {
    HorizontalBlinds,
    VerticalBlinds,
    CloseVertically,
    OpenVertically,
    CloseHorizontally,
    OpenHorizontally,
    RandomTiles,
};
inline constexpr int kTransitionEffects = 7;

struct TransitionStep {
    std::vector<QRect> copies;
    int waitUnits = 0;
};

TransitionEffect chooseEffect(QRandomGenerator& random);
// Every plan ends by copying the whole area, whatever its size.
std::vector<TransitionStep> transitionPlan(TransitionEffect effect, QSize area, QRandomGenerator& random);

} // namespace vistello

#include "app/window/viewer/TransitionPlan.h"

#include <algorithm>
#include <array>

namespace vistello {

namespace {

// Two-pixel lines at k, k + band, k + 2 band ... for k = 0, 2, 4 ...
void blinds(std::vector<TransitionStep>& plan, int length, int across, bool rows)
{
    const int band = std::max(length / 10, 1);
    for (int k = 0; k < band; k += 2) {
        TransitionStep step{{}, 2};
        for (int at = k; at < length; at += band)
            step.copies.push_back(rows ? QRect(0, at, across, 2) : QRect(at, 0, 2, across));
        plan.push_back(std::move(step));
    }
}

// Four-pixel lines at p and length - p, from the edges in or from the middle out.
void sweep(std::vector<TransitionStep>& plan, int length, int across, bool rows, bool close)
{
    const auto lines = [&](int p) {
        const auto line = [&](int q) { return rows ? QRect(0, q, across, 4) : QRect(q, 0, 4, across); };
        plan.push_back({{line(p), line(length - p)}, 1});
    };
    if (close)
        for (int p = 0; p < length / 2 + 4; p += 4)
            lines(p);
    else
        for (int p = length / 2; p >= -4; p -= 4)
            lines(p);
}

void tiles(std::vector<TransitionStep>& plan, QSize area, QRandomGenerator& random)
{
    const int tileWidth = std::max(area.width() / 9, 1);
    const int tileHeight = std::max(area.height() / 9, 1);
    std::array<bool, 100> taken{};
    for (int n = 0; n < 100; ++n) {
        int cell = int(random.bounded(100u));
        for (int tries = 0; taken[cell] && tries < 100; ++tries)
            cell = (cell + 1) % 100;
        taken[cell] = true;
        plan.push_back({{QRect((cell % 10) * tileWidth, (cell / 10) * tileHeight, tileWidth, tileHeight)}, 1});
    }
}

} // namespace

TransitionEffect chooseEffect(QRandomGenerator& random)
{
    return TransitionEffect(random.bounded(kTransitionEffects));
}

std::vector<TransitionStep> transitionPlan(TransitionEffect effect, QSize area, QRandomGenerator& random)
{
    std::vector<TransitionStep> plan;
    const int w = area.width(), h = area.height();
    switch (effect) {
    case TransitionEffect::HorizontalBlinds: blinds(plan, h, w, true); break;
    case TransitionEffect::VerticalBlinds: blinds(plan, w, h, false); break;
    case TransitionEffect::CloseVertically: sweep(plan, h, w, true, true); break;
    case TransitionEffect::OpenVertically: sweep(plan, h, w, true, false); break;
    case TransitionEffect::CloseHorizontally: sweep(plan, w, h, false, true); break;
    case TransitionEffect::OpenHorizontally: sweep(plan, w, h, false, false); break;
    case TransitionEffect::RandomTiles: tiles(plan, area, random); break;
    }
    // Tiles of a ninth do not reach every edge of narrow areas.
    plan.push_back({{QRect(QPoint(0, 0), area)}, 0});
    return plan;
}

} // namespace vistello

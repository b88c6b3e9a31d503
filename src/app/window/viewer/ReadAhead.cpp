#include "app/window/viewer/ReadAhead.h"

#include <algorithm>

namespace vistello {

namespace {

int wrapped(int index, int count)
{
    return ((index % count) + count) % count;
}

} // namespace

int travelDirection(int shown, int shownBefore, int count)
{
    if (count < 2 || shownBefore < 0 || shownBefore >= count || shownBefore == shown)
        return 1;
    const int ahead = wrapped(shown - shownBefore, count); // steps forwards from before to shown
    if (ahead == 1)
        return 1; // a step, perhaps from the last picture to the first
    if (ahead == count - 1)
        return -1;
    return shown > shownBefore ? 1 : -1; // a jump: up or down the list
}

std::vector<int> readAheadOrder(const ReadAheadState& state)
{
    std::vector<int> order;
    if (state.count < 2 || state.shown < 0 || state.shown >= state.count)
        return order;
    const int room = std::min(state.cacheCapacity - 1, state.count - 1);
    const int direction = travelDirection(state.shown, state.shownBefore, state.count);
    std::vector<int> wanted;
    if (state.showNext && *state.showNext >= 0 && *state.showNext < state.count)
        wanted.push_back(*state.showNext);
    wanted.push_back(wrapped(state.shown + direction, state.count));
    wanted.push_back(wrapped(state.shown - direction, state.count));
    wanted.push_back(wrapped(state.shown + 2 * direction, state.count));
    for (int index : wanted) {
        if (int(order.size()) >= room)
            break;
        if (index != state.shown && std::find(order.begin(), order.end(), index) == order.end())
            order.push_back(index);
    }
    return order;
}

} // namespace vistello

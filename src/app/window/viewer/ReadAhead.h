#pragma once
// Which pictures of the list are decoded ahead while one is shown: the
// auto show's next first, then the neighbour in the direction of travel,
// the one behind, and a second one ahead. The shown picture's rendering
// stays in the cache: no more are read ahead than the cache holds beside it.
#include <optional>
#include <vector>

namespace vistello {

struct ReadAheadState {
    int shown = -1;         // index in the list, -1 for none
    int shownBefore = -1;   // the index shown before it, -1 for none
    int count = 0;          // pictures in the list; stepping wraps around
    int cacheCapacity = 4;  // renderings the view's cache keeps
    std::optional<int> showNext; // the running auto show's next picture (any order)
};

// +1 when the list was travelled forwards (or nothing is known), -1 backwards:
// a step round the end counts as a step, a jump by the indices.
int travelDirection(int shown, int shownBefore, int count);

// The indices to decode, most wanted first, without the shown one.
std::vector<int> readAheadOrder(const ReadAheadState& state);

} // namespace vistello

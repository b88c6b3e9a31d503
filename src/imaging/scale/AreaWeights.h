#pragma once
// The weight table of one axis for area-averaging: source length n to
// destination length m on a common axis of n × m units, where a source pixel
// spans m units and a destination pixel n. A weight is the number of units a
// source and a destination pixel share, so the weights of every destination
// pixel sum to n. Example, n = 7 to m = 3: (0..2: 3, 3, 1), (2..4: 2, 3, 2),
// (4..6: 1, 3, 3).
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vistello {

struct AreaSpan {
    int first = 0;       // first source index
    int last = 0;        // last source index
    int weightStart = 0; // index of first's weight in AreaWeights::weights
};

struct AreaWeights {
    std::vector<AreaSpan> spans;  // one per destination index
    std::vector<uint32_t> weights; // spans' weights, one after another

    uint32_t weight(const AreaSpan& span, int source) const
    {
        return weights[size_t(span.weightStart + source - span.first)];
    }
};

// n, m >= 1.
AreaWeights makeAreaWeights(int n, int m);

// The same weights with one fixed number of taps per destination index, so
// that the inner loop has a constant length: tap t of destination index i
// weighs source start[i] + t. Shorter spans are padded with zero weights,
// after the span or, near the end of the axis, before it, so that no tap
// reads past source n - 1.
struct AreaTaps {
    int taps = 0;
    std::vector<int> start;        // one per destination index
    std::vector<uint32_t> weights; // taps per destination index, one after another
};

// table made by makeAreaWeights(n, m).
AreaTaps makeAreaTaps(const AreaWeights& table, int n);

} // namespace vistello

#include "imaging/scale/AreaWeights.h"

#include <algorithm>

namespace vistello {

AreaWeights makeAreaWeights(int n, int m)
{
    AreaWeights table;
    table.spans.resize(size_t(m));
    // Each destination pixel touches at most n / m + 2 source pixels.
    table.weights.reserve(size_t(m) * (size_t(n) / size_t(m) + 2));
    for (int i = 0; i < m; ++i) {
        const int64_t begin = int64_t(i) * n;     // destination pixel's units
        const int64_t end = begin + n;
        AreaSpan& span = table.spans[size_t(i)];
        span.first = int(begin / m);
        span.last = int((end - 1) / m);
        span.weightStart = int(table.weights.size());
        for (int s = span.first; s <= span.last; ++s) {
            const int64_t from = std::max(begin, int64_t(s) * m);
            const int64_t to = std::min(end, int64_t(s + 1) * m);
            table.weights.push_back(uint32_t(to - from));
        }
    }
    return table;
}

AreaTaps makeAreaTaps(const AreaWeights& table, int n)
{
    AreaTaps taps;
    for (const AreaSpan& span : table.spans)
        taps.taps = std::max(taps.taps, span.last - span.first + 1);
    taps.start.reserve(table.spans.size());
    taps.weights.assign(table.spans.size() * size_t(taps.taps), 0);
    uint32_t* row = taps.weights.data();
    for (const AreaSpan& span : table.spans) {
        const int start = std::min(span.first, n - taps.taps);
        taps.start.push_back(start);
        for (int s = span.first; s <= span.last; ++s)
            row[s - start] = table.weight(span, s);
        row += taps.taps;
    }
    return taps;
}

} // namespace vistello

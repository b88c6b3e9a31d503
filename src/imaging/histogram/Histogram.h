#pragma once
// The histogram view's numbers: per level the counts of red, green and blue
// values over a picture decoded into 256 x 256, a luminance counter per
// level weighted from the three channel counters of that level, the
// average grey value in percent and the largest counter (the curves' scale).
#include <QImage>
#include <QString>
#include <array>
#include <atomic>
#include <cstdint>

namespace vistello {

using LevelCounters = std::array<uint32_t, 256>;

struct Histogram {
    LevelCounters red{};
    LevelCounters green{};
    LevelCounters blue{};
    LevelCounters luminance{};
    uint64_t sumRed = 0;
    uint64_t sumGreen = 0;
    uint64_t sumBlue = 0;
    uint64_t pixels = 0;
    uint32_t largest = 1; // over all four arrays, at least 1
    int averageGrey = 0;  // percent, truncated
    bool failed = false;  // the picture could not be decoded
};

// The decode box; a larger decode is reduced to fit by nearest neighbour.
constexpr int kHistogramBox = 256;

Histogram histogramOf(const QImage& picture);
// Decodes path into the 256 x 256 box; failed when that does not work.
Histogram readHistogram(const QString& path, const std::atomic<bool>* stopFlag = nullptr);

} // namespace vistello

#pragma once
// Where a panorama is cut: segments as wide as the printer page's shape
// makes them at the picture's height, neighbours overlapping, every segment
// after the first starting on the picture's block grid.
#include <vector>

namespace vistello {

struct PanoramaInput {
    int width = 0;  // picture
    int height = 0;
    int blockWidth = 1; // iMCU width (1 for formats without one)
    int printerX = 0;
    int printerY = 0;
    bool landscape = false;
    int overlap = 0;
};

struct PanoramaSegment {
    int number = 0; // from 1
    int x = 0;
    int width = 0;
    friend bool operator==(const PanoramaSegment&, const PanoramaSegment&) = default;
};

struct PanoramaPlan {
    long long segmentWidth = 0; // S
    int overlap = 0;            // the overlap used: at most S / 2
    std::vector<PanoramaSegment> segments;
    // The step between segments floors to nothing on the block grid: the
    // cuts would never advance, so nothing may be cut.
    bool stalls = false;
};

// No segments when a size is 0 or the picture fits one segment.
PanoramaPlan planPanorama(const PanoramaInput& input);

} // namespace vistello

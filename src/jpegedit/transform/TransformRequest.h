#pragma once
// One call of the lossless engine. The caller fills the request; the engine
// then runs its phases on it: read the header, derive the geometry
// (TransformGeometry, before any coefficient is read), check the claimed size
// against the limits, read the coefficients, adjust the compressor's
// parameters, write (the blocks moved as the compressor asks for them).
#include "jpegedit/transform/TransformOp.h"

namespace vistello {

struct TransformRequest {
    // Options set by the caller.
    TransformOp op = TransformOp::None;
    bool trim = true;        // always: partial iMCUs that cannot be moved are dropped
    bool forceGray = false;  // drop the colour components
    bool adjustThumbnails = false; // also transform the embedded thumbnails
    int orientation = 1;     // EXIF orientation 2-8: auto-rotation, replaces op

    // Crop parameters, in pixels, in the orientation of the result.
    bool crop = false; // set by setCrop
    int cropX = 0;
    int cropY = 0;
    int cropW = 0; // 0: up to the right edge
    int cropH = 0; // 0: up to the bottom edge

    void setCrop(int x, int y, int w, int h)
    {
        cropX = x;
        cropY = y;
        cropW = w;
        cropH = h;
        crop = x != 0 || y != 0 || w != 0 || h != 0;
    }
    bool autoRotation() const { return orientation >= 2 && orientation <= 8; }
};

// The operation the request really runs: an auto-rotation replaces op.
TransformOp effectiveOp(const TransformRequest& request);

} // namespace vistello

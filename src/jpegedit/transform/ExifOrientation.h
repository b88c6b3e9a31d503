#pragma once
// The EXIF orientation (tag 0x0112) modelled once: the enum values are the
// EXIF codes, one table gives the lossless operation that turns the stored
// picture upright, and everything else is computed from it.
#include "jpegedit/transform/TransformOp.h"

#include <optional>

namespace vistello {

enum class ExifOrientation : int {
    TopLeft = 1,     // upright
    TopRight = 2,    // mirrored left-right
    BottomRight = 3, // upside down
    BottomLeft = 4,  // mirrored top-bottom
    LeftTop = 5,     // transposed
    RightTop = 6,    // needs a turn to the right
    RightBottom = 7, // transversed
    LeftBottom = 8,  // needs a turn to the left
};

// Indexed by code - 1: the operation that shows the stored picture upright.
inline constexpr TransformOp kUprightOp[] = {
    TransformOp::None,      TransformOp::FlipH,    TransformOp::Rotate180, TransformOp::FlipV,
    TransformOp::Transpose, TransformOp::Rotate90, TransformOp::Transverse, TransformOp::Rotate270,
};

// Nothing for values outside 1-8.
constexpr std::optional<ExifOrientation> orientationFromCode(int code)
{
    if (code < 1 || code > 8)
        return std::nullopt;
    return ExifOrientation(code);
}

constexpr TransformOp uprightOp(ExifOrientation o) { return kUprightOp[int(o) - 1]; }

ExifOrientation orientationOfUprightOp(TransformOp op);
// The orientation a picture must carry after its stored pixels were changed
// by op, so that it is still shown the same way.
ExifOrientation orientationAfter(ExifOrientation before, TransformOp op);

} // namespace vistello

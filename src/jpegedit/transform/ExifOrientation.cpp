#include "jpegedit/transform/ExifOrientation.h"

namespace vistello {

ExifOrientation orientationOfUprightOp(TransformOp op)
{
    for (int code = 1; code <= 8; ++code)
        if (kUprightOp[code - 1] == op)
            return ExifOrientation(code);
    return ExifOrientation::TopLeft;
}

ExifOrientation orientationAfter(ExifOrientation before, TransformOp op)
{
    // upright = upright(before) after inverse(op) applied to the new pixels.
    return orientationOfUprightOp(composeOps(inverseOp(op), uprightOp(before)));
}

} // namespace vistello

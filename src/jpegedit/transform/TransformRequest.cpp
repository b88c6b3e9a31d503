#include "jpegedit/transform/TransformRequest.h"

#include "jpegedit/transform/ExifOrientation.h"

namespace vistello {

TransformOp effectiveOp(const TransformRequest& request)
{
    if (const auto o = orientationFromCode(request.orientation); o && request.autoRotation())
        return uprightOp(*o);
    return request.op;
}

} // namespace vistello

#include "jpegedit/transform/TransformInMemory.h"

#include "jpegedit/transform/LosslessTransform.h"

#include <cstring>

namespace vistello {

namespace {

// Runs the engine into the caller's fixed buffer; fails when it is too small.
bool runIntoBuffer(LosslessTransform& engine, const uint8_t* jpeg, size_t length, uint8_t* output,
                   size_t capacity, size_t* written)
{
    TransformDestination destination;
    destination.buffer = output;
    destination.capacity = capacity;
    if (!engine.run(jpeg, length, destination))
        return false;
    if (written)
        *written = destination.written;
    return true;
}

} // namespace

bool transformJpegInMemory(const MainPictureInfo& main, const uint8_t* jpeg, size_t length, uint8_t* output,
                           size_t capacity, const TransformRequest& request, size_t* written)
{
    TransformRequest r = request;
    r.op = effectiveOp(request);
    r.orientation = 1; // no EXIF upkeep inside a thumbnail
    r.adjustThumbnails = false;
    LosslessTransform::Options options;
    options.pictureFile = false;
    options.mainWidth = main.width;
    options.mainHeight = main.height;
    LosslessTransform engine(r, options);
    return runIntoBuffer(engine, jpeg, length, output, capacity, written);
}

bool cropRightInMemory(int pixels, const uint8_t* jpeg, size_t length, uint8_t* output, size_t capacity,
                       size_t* written)
{
    if (pixels < 0)
        return false;
    if (pixels == 0) {
        if (length > capacity)
            return false;
        std::memmove(output, jpeg, length);
        if (written)
            *written = length;
        return true;
    }
    LosslessTransform::Options options;
    options.pictureFile = false;
    options.cropRight = pixels;
    LosslessTransform engine(TransformRequest{}, options);
    return runIntoBuffer(engine, jpeg, length, output, capacity, written);
}

} // namespace vistello

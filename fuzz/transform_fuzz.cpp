// Fuzzes the lossless engine from memory to memory: the first byte chooses
// the operation, greyscale, a crop and the thumbnail upkeep, the rest is the
// picture. Header segments, EXIF fields and embedded thumbnails are all
// rewritten on the way.
#include "jpegedit/transform/LosslessTransform.h"

#include <cstddef>
#include <cstdint>
#include <vector>

using namespace vistello;

// Coefficient memory a header may claim here: about 5 megapixels in 4:2:0.
// Larger claims are refused before reading, as the engine refuses claims
// beyond its usual allowance; every run stays short even under sanitizers.
constexpr int64_t kFuzzCoefficientBytes = int64_t(16) << 20;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const uint8_t choice = data[0];
    std::vector<uint8_t> source(data + 1, data + size);
    source.push_back(0xFF); // as the file reader does: a truncated stream still ends
    source.push_back(0xD9);

    TransformRequest request;
    request.op = TransformOp(choice & 7);
    request.forceGray = (choice & 8) != 0;
    request.adjustThumbnails = (choice & 16) != 0;
    if (choice & 32)
        request.setCrop(3, 5, 17, 0);
    if (choice & 64)
        request.orientation = 1 + (choice >> 3 & 7);

    LosslessTransform::Options options;
    options.pictureFile = (choice & 128) == 0;
    options.maxCoefficientBytes = kFuzzCoefficientBytes;
    LosslessTransform engine(request, options);
    std::vector<uint8_t> output(2 * size + 65536);
    TransformDestination destination;
    destination.buffer = output.data();
    destination.capacity = output.size();
    engine.run(source.data(), source.size(), destination);
    return 0;
}

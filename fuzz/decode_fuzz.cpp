// Fuzzes the JPEG decoder: decodeMemory on arbitrary bytes into a small box
// and without one (every FF D8 FF start is tried), the fast thumbnail path,
// and the header reader. Limits are lowered so that every input finishes
// in bounded time and memory.
#include "imaging/decode/JpegDecoder.h"
#include "imaging/decode/JpegHandler.h"
#include "imaging/decode/PixelOrientation.h"

#include <cstddef>
#include <cstdint>

using namespace vistello;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    JpegDecodeLimits limits;
    limits.maxOutputBytes = 16 << 20;
    limits.maxLibraryMemory = 32L << 20;
    limits.maxScans = 100;
    limits.maxAttempts = 8;

    JpegHandler boxed;
    boxed.setDecodeLimits(limits);
    boxed.orientation = int(size % 9);
    const PixelBuffer small = boxed.decodeMemory(data, size, 64, 48, 1, 1, false);
    (void)orientPixels(PixelBuffer{}, boxed.orientation);
    if (!small.empty() && (small.width != boxed.outputWidth || small.height != boxed.outputHeight))
        __builtin_trap();

    JpegHandler whole;
    whole.setDecodeLimits(limits);
    whole.fastDecode = true;
    whole.useColourProfiles = true;
    (void)whole.decodeMemory(data, size, 0, 0, 1, 1, false);

    JpegHeaderInfo header;
    (void)readJpegHeader(data, size, header);
    return 0;
}

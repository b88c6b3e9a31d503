#pragma once
// Bounds on what one JPEG decode may take, so that a hostile file cannot
// take the machine: the output buffer, the JPEG library's own memory (the
// coefficient arrays of progressive pictures) and the number of scans.
#include "imaging/scale/BufferLimits.h"

#include <cstdint>

namespace vistello {

struct JpegDecodeLimits {
    int64_t maxOutputBytes = kMaxBufferBytes;
    long maxLibraryMemory = 512L << 20;
    int maxScans = 500; // progressive files have about 10; thousands mean an attack
    int maxAttempts = 64; // FF D8 FF starts tried by decodeMemory
};

} // namespace vistello

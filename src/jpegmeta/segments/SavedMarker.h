#pragma once
// A header segment as the JPEG library keeps it after jpeg_save_markers and
// jpeg_read_header (marker, original length, payload), or any list built the
// same way. Views do not own their bytes.
#include <cstdint>
#include <vector>

struct jpeg_decompress_struct;

namespace vistello {

struct SavedMarkerView {
    uint8_t marker = 0;
    uint32_t originalLength = 0; // payload length in the file
    const uint8_t* data = nullptr;
    uint32_t dataLength = 0;     // bytes kept (at most originalLength)
};

// The decompressor's saved-marker list in source order.
std::vector<SavedMarkerView> savedMarkers(const jpeg_decompress_struct& source);

} // namespace vistello

#pragma once
// The engine on JPEG streams held in memory (embedded thumbnails): output
// goes into the caller's buffer and fails when it does not fit.
#include "jpegedit/transform/TransformRequest.h"

#include <cstddef>
#include <cstdint>

namespace vistello {

// What a thumbnail transform needs to know of the main picture.
struct MainPictureInfo {
    int width = 0;
    int height = 0;
    int maxH = 1; // largest sampling factors
    int maxV = 1;
};

// The request's operation (an auto-rotation already resolved by the caller
// or not) on a bare stream; a crop is scaled from the main picture's size.
// No header segments, no JFIF header, optimized Huffman tables.
bool transformJpegInMemory(const MainPictureInfo& main, const uint8_t* jpeg, size_t length, uint8_t* output,
                           size_t capacity, const TransformRequest& request, size_t* written);

// Drops `pixels` columns at the right and rows at the bottom in proportion,
// so the picture keeps its aspect ratio; 0 copies the input unchanged.
bool cropRightInMemory(int pixels, const uint8_t* jpeg, size_t length, uint8_t* output, size_t capacity,
                       size_t* written);

} // namespace vistello

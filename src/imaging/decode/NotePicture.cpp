#include "imaging/decode/NotePicture.h"

#include <cstring>

namespace vistello {
namespace {

void blackPixel(PixelBuffer& picture, int x, int y)
{
    std::memset(picture.data.get() + (size_t(y) * size_t(picture.width) + size_t(x)) * 3, 0, 3);
}

void horizontal(PixelBuffer& picture, int y, int fromX, int toX)
{
    for (int x = fromX; x <= toX; ++x)
        blackPixel(picture, x, y);
}

void vertical(PixelBuffer& picture, int x, int fromY, int toY)
{
    for (int y = fromY; y <= toY; ++y)
        blackPixel(picture, x, y);
}

} // namespace

PixelBuffer notePicture(uint8_t grey)
{
    PixelBuffer picture;
    picture.width = kNotePictureWidth;
    picture.height = kNotePictureHeight;
    picture.data = std::make_unique<uint8_t[]>(picture.byteCount());
    std::memset(picture.data.get(), grey, picture.byteCount());
    horizontal(picture, 60, 10, 60);  // first note's head line
    vertical(picture, 60, 30, 59);    // its stem
    horizontal(picture, 30, 60, 89);  // the beam
    vertical(picture, 90, 30, 59);    // second stem
    horizontal(picture, 60, 90, 109); // second head line
    return picture;
}

} // namespace vistello

#pragma once
// The DCT scale a JPEG is decoded at: the smallest N/8 whose output still
// covers the box (so a 24-megapixel picture shown as a thumbnail decodes
// 64 times fewer pixels), or the caller's explicit scale without a box.
namespace vistello {

struct JpegScaleRequest {
    int imageWidth = 0;
    int imageHeight = 0;
    int boxWidth = 0;  // a box needs both sides >= 1
    int boxHeight = 0;
    int scaleNum = 1;  // explicit scale, used only without a box
    int scaleDenom = 1;
    bool allowEnlarge = false;
    bool panoramaMode = false; // panoramas (one side at least twice the other) fill the box
    int orientation = 1;   // above 4 the picture will be turned by 90°
};

struct JpegScale {
    int num = 1;
    int denom = 1;
};

JpegScale chooseJpegScale(const JpegScaleRequest& request);

} // namespace vistello

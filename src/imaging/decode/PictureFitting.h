#pragma once
// How a decoded (upright) buffer is fitted into the box: a first ratio for
// the nearest-neighbour step, which keeps at most reduce × the box (1.5 by
// default), and a second one for the area-averaging step down to the box.
// Panoramas fill the box in one step. A box with a side of 0 means "not
// reduced": both ratios stay 1/1.
namespace vistello {

struct Ratio {
    int num = 1;
    int den = 1;
    bool isOne() const { return num == den; }
};

struct FitRequest {
    int width = 0;  // buffer size
    int height = 0;
    int boxWidth = 0;
    int boxHeight = 0;
    int reduceNum = 3; // limit of the first step, as a multiple of the box
    int reduceDenom = 2;
    bool panorama = false;
};

struct FitPlan {
    Ratio first;
    Ratio second;
};

FitPlan planFitting(const FitRequest& request);

} // namespace vistello

#pragma once
// The resize record stored under one settings key ("Resize", "HTMLResize"):
// four flags and seven integers.
namespace vistello {

struct ResizeSettings {
    bool enabled = true;          // f0
    bool fixedSize = true;        // f1
    bool qualityGiven = true;     // f2
    bool sizeLimitGiven = false;  // f3
    int width = 0;                // i1
    int height = 0;               // i2
    int ratioNumerator = 0;       // i3
    int ratioDenominator = 0;     // i4
    int lumaQuality = 0;          // i5
    int chromaQuality = 0;        // i6
    int sizeLimitKilobytes = 0;   // i7

    bool operator==(const ResizeSettings&) const = default;
};

} // namespace vistello

#pragma once
// The resize record stored under one settings key ("Resize", "HTMLResize"):
// four flags and seven integers. The member defaults are the record's
// defaults for both keys.
namespace vistello {

struct ResizeSettings {
    bool enabled = true;           // f0: "New size:" ticked
    bool fixedSize = true;         // f1: fit into width x height, else scale by the ratio
    bool qualityGiven = true;      // f2
    bool sizeLimitGiven = false;   // f3
    int width = 640;               // i1, pixels
    int height = 480;              // i2, pixels
    int ratioNumerator = 1;        // i3
    int ratioDenominator = 4;      // i4
    int lumaQuality = 90;          // i5
    int chromaQuality = 90;        // i6
    int sizeLimitKilobytes = 50;   // i7

    bool operator==(const ResizeSettings&) const = default;
};

} // namespace vistello

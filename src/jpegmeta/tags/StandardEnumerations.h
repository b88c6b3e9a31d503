#pragma once
// Value texts of the enumerated TIFF, EXIF and GPS tags. Values not listed
// have no text; the entry then shows its number.
#include "jpegmeta/tags/TagTableTypes.h"

namespace vistello::tags {

// Compression, tag 0x0103
inline constexpr ValueText kCompression[] = {{1, u"none"}, {6, u"JPEG"}};
// PhotometricInterpretation, tag 0x0106
inline constexpr ValueText kPhotometric[] = {{2, u"RGB"}, {6, u"YCbCr"}};
// ResolutionUnit 0x0128, FocalPlaneResolutionUnit 0xA210
inline constexpr ValueText kResolutionUnit[] = {{2, u"DPI"}, {3, u"Dots per cm"}};
// YCbCrPositioning, tag 0x0213
inline constexpr ValueText kYCbCrPositioning[] = {{1, u"Centered"}};
// GPSDifferential, tag 0x001E
inline constexpr ValueText kGpsDifferential[] = {
    {0, u"Measurement without differential correction"},
    {1, u"Differential correction applied"},
};
// ExposureProgram, tag 0x8822
inline constexpr ValueText kExposureProgram[] = {
    {1, u"Manual"},
    {2, u"Normal program"},
    {3, u"Aperture priority"},
    {4, u"Shutter priority"},
    {5, u"Creative program (biased toward depth of field)"},
    {6, u"Action program (biased toward fast shutter speed)"},
    {7, u"Portrait mode (for closeup photos with the background out of focus)"},
    {8, u"Landscape mode (for landscape photos with the background in focus)"},
};
// MeteringMode, tag 0x9207
inline constexpr ValueText kMeteringMode[] = {
    {1, u"Average"}, {2, u"Center weighted average"}, {3, u"Spot"}, {4, u"Multispot"}, {5, u"Pattern"}, {6, u"Partial"},
};
// LightSource, tag 0x9208
inline constexpr ValueText kLightSource[] = {
    {0, u"Auto"},
    {1, u"Daylight"},
    {2, u"Fluorescent"},
    {3, u"Tungsten (incandescent light)"},
    {4, u"Flash"},
    {9, u"Fine weather"},
    {10, u"Cloudy weather"},
    {11, u"Shade"},
    {12, u"Daylight fluorescent (D 5700 \u2013 7100K)"},
    {13, u"Day white fluorescent (N 4600 \u2013 5400K)"},
    {14, u"Cool white fluorescent (W 3900 \u2013 4500K)"},
    {15, u"White fluorescent (WW 3200 \u2013 3700K)"},
    {17, u"Standard light A"},
    {18, u"Standard light B"},
    {19, u"Standard light C"},
    {20, u"D55"},
    {21, u"D65"},
    {22, u"D75"},
    {23, u"D50"},
    {24, u"ISO studio tungsten"},
    {255, u"Other light source"},
};
// ColorSpace, tag 0xA001
inline constexpr ValueText kColorSpace[] = {{1, u"sRGB"}, {0xFFFF, u"Uncalibrated"}};
// SensingMethod, tag 0xA217
inline constexpr ValueText kSensingMethod[] = {
    {2, u"One-chip color area sensor"},  {3, u"Two-chip color area sensor"}, {4, u"Three-chip color area sensor"},
    {5, u"Color sequential area sensor"}, {7, u"Trilinear sensor"},          {8, u"Color sequential linear sensor"},
};
// CustomRendered, tag 0xA401
inline constexpr ValueText kCustomRendered[] = {{0, u"Normal process"}, {1, u"Custom process"}};
// ExposureMode, tag 0xA402
inline constexpr ValueText kExposureMode[] = {{0, u"Auto exposure"}, {1, u"Manual exposure"}, {2, u"Auto bracket"}};
// WhiteBalance, tag 0xA403
inline constexpr ValueText kWhiteBalance[] = {{0, u"Auto white balance"}, {1, u"Manual white balance"}};
// SceneCaptureType, tag 0xA406
inline constexpr ValueText kSceneCaptureType[] = {
    {0, u"Standard"}, {1, u"Landscape"}, {2, u"Portrait"}, {3, u"Night scene"},
};
// GainControl, tag 0xA407
inline constexpr ValueText kGainControl[] = {
    {0, u"None"}, {1, u"Low gain up"}, {2, u"High gain up"}, {3, u"Low gain down"}, {4, u"High gain down"},
};
// Contrast 0xA408, Sharpness 0xA40A
inline constexpr ValueText kSoftHard[] = {{0, u"Normal"}, {1, u"Soft"}, {2, u"Hard"}};
// Saturation, tag 0xA409
inline constexpr ValueText kSaturation[] = {{0, u"Normal"}, {1, u"Low saturation"}, {2, u"High saturation"}};
// SubjectDistanceRange, tag 0xA40C
inline constexpr ValueText kSubjectDistanceRange[] = {{1, u"Macro"}, {2, u"Close view"}, {3, u"Distant view"}};

// The enumerated tags of kinds 2-5, sorted by tag.
inline constexpr TagValues kStandardEnumerations[] = {
    {0x001E, kGpsDifferential},
    {0x0103, kCompression},
    {0x0106, kPhotometric},
    {0x0128, kResolutionUnit},
    {0x0213, kYCbCrPositioning},
    {0x8822, kExposureProgram},
    {0x9207, kMeteringMode},
    {0x9208, kLightSource},
    {0xA001, kColorSpace},
    {0xA210, kResolutionUnit},
    {0xA217, kSensingMethod},
    {0xA401, kCustomRendered},
    {0xA402, kExposureMode},
    {0xA403, kWhiteBalance},
    {0xA406, kSceneCaptureType},
    {0xA407, kGainControl},
    {0xA408, kSoftHard},
    {0xA409, kSaturation},
    {0xA40A, kSoftHard},
    {0xA40C, kSubjectDistanceRange},
};
static_assert(isSortedBy(std::span<const TagValues>(kStandardEnumerations), &TagValues::tag));

} // namespace vistello::tags

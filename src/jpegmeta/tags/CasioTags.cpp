#include "jpegmeta/tags/CasioTags.h"

namespace vistello::tags {

namespace {

// Recording mode, tag 0x0001
constexpr ValueText kRecordingMode[] = {
    {1, u"Single shutter"}, {2, u"Panorama"}, {3, u"Night Scene"}, {4, u"Portrait"}, {5, u"Landscape"},
};
// Quality, tag 0x0002
constexpr ValueText kQuality[] = {{1, u"Economy"}, {2, u"Normal"}, {3, u"Fine"}};
// Focusing mode, tag 0x0003
constexpr ValueText kFocusingMode[] = {{2, u"Macro"}, {3, u"Auto Focus"}, {4, u"Manual Focus"}, {5, u"Infinity"}};
// Flash mode, tag 0x0004
constexpr ValueText kFlashMode[] = {{1, u"Auto"}, {2, u"On"}, {3, u"Off"}, {4, u"Red Eye Reduction"}};
// Flash intensity, tag 0x0005
constexpr ValueText kFlashIntensity[] = {{11, u"Weak"}, {13, u"Normal"}, {15, u"Strong"}};
// White balance, tag 0x0007
constexpr ValueText kWhiteBalance[] = {
    {1, u"Auto"}, {2, u"Tungsten"}, {3, u"Daylight"}, {4, u"Fluorescent"}, {5, u"Shade"}, {129, u"Manual"},
};
// Digital zoom, tag 0x000A
constexpr ValueText kDigitalZoom[] = {{0x10000, u"Off"}, {0x10001, u"2X Digital Zoom"}};
// Sharpness, tag 0x000B
constexpr ValueText kSharpness[] = {{0, u"Normal"}, {1, u"Soft"}, {2, u"Hard"}};
// Contrast 0x000C, saturation 0x000D
constexpr ValueText kNormalLowHigh[] = {{0, u"Normal"}, {1, u"Low"}, {2, u"High"}};
// CCD sensitivity, tag 0x0014
constexpr ValueText kCcdSensitivity[] = {
    {64, u"Normal"}, {80, u"Normal"},  {100, u"High"},    {125, u"+1.0"},   {180, u"ISO 180"},
    {244, u"+3.0"},  {250, u"+2.0"},   {300, u"ISO 300"}, {500, u"ISO 500"},
};
// Enhancement, tag 0x0016
constexpr ValueText kEnhancement[] = {
    {1, u"Off (default)"}, {2, u"Red"}, {3, u"Green"}, {4, u"Blue"}, {5, u"Flesh Tones"},
};
// Filter, tag 0x0017
constexpr ValueText kFilter[] = {
    {1, u"Off (default)"}, {2, u"Black and White"}, {3, u"Sepia"}, {4, u"Red"},    {5, u"Green"},
    {6, u"Blue"},          {7, u"Yellow"},          {8, u"Pink"},  {9, u"Purple"},
};
// Focus frame location 0x0018, composition frame 0x0105
constexpr ValueText kCompositionPosition[] = {
    {1, u"Center (default)"},
    {2, u"a little top left of middle left, for portrait in landscape, person left"},
    {3, u"a little top right of middle right, for portrait in landscape, person right"},
    {4, u"rotated a little left/right of center, for portrait in portrait"},
    {5, u"rotated far left/right of center, for portrait in portrait"},
    {6, u"rotated far left/right of middle right/bottom left, for portrait in portrait"},
    {7, u"between top left/top middle and middle left/center, for two portraits in landscape"},
    {8, u"a little below between top left/top middle and middle left/center, for face in landscape"},
    {9, u"between top middle/top right, for portrait in landscape"},
    {10, u"top left"},
    {11, u"top middle"},
    {12, u"top right"},
    {13, u"middle left"},
    {14, u"middle right"},
    {15, u"bottom left"},
    {16, u"bottom middle"},
    {17, u"bottom right"},
};
// Flash intensity, tag 0x0019
constexpr ValueText kFlashIntensity2[] = {{1, u"Normal (default)"}, {2, u"Weak"}, {3, u"Strong"}};
// Metering mode, tag 0x0100
constexpr ValueText kMeteringMode[] = {{2, u"Center"}, {3, u"Spot"}, {5, u"Multi (default)"}};
// EV shift, tag 0x0101: thirds of a stop, negative values stored as SHORTs
constexpr ValueText kEvShift[] = {
    {0xFFFA, u"-2 EV"},   {0xFFFB, u"-5/3 EV"}, {0xFFFC, u"-4/3 EV"}, {0xFFFD, u"-1 EV"},
    {0xFFFE, u"-2/3 EV"}, {0xFFFF, u"-1/3 EV"}, {0, u"no modification (default)"},
    {1, u"+1/3 EV"},      {2, u"+2/3 EV"},      {3, u"+1 EV"},      {4, u"+4/3 EV"},
    {5, u"+5/3 EV"},      {6, u"+2 EV"},
};
// Shutter speed, tag 0x0102
constexpr ValueText kShutterSpeed[] = {{1, u"BULB"}, {5, u"1/1000s (default)"}, {6, u"1/800s"}, {53, u"60s"}};
// Aperture, tag 0x0103
constexpr ValueText kAperture[] = {
    {1, u"F2.0"}, {2, u"F2.3"}, {3, u"F2.8"}, {4, u"F4.0"}, {5, u"F5.6"}, {6, u"F8.0"}, {15, u"F8.0"},
};
// Recording mode, tag 0x0104
constexpr ValueText kRecordingMode2[] = {
    {0, u"Normal (default)"}, {1, u"Portrait"}, {2, u"Landscape"}, {3, u"Night Scene"},
};
// Exposure mode, tag 0x0106
constexpr ValueText kExposureMode[] = {
    {1, u"Manual Exposure"},
    {2, u"Program Automatic Exposure (default)"},
    {3, u"Aperture Priority Automatic Exposure"},
    {4, u"Shutter Speed Priority Automatic Exposure"},
};

constexpr TagValues kEnumerations[] = {
    {0x0001, kRecordingMode},  {0x0002, kQuality},        {0x0003, kFocusingMode},
    {0x0004, kFlashMode},      {0x0005, kFlashIntensity}, {0x0007, kWhiteBalance},
    {0x000A, kDigitalZoom},    {0x000B, kSharpness},      {0x000C, kNormalLowHigh},
    {0x000D, kNormalLowHigh},  {0x0014, kCcdSensitivity}, {0x0016, kEnhancement},
    {0x0017, kFilter},         {0x0018, kCompositionPosition}, {0x0019, kFlashIntensity2},
    {0x0100, kMeteringMode},   {0x0101, kEvShift},        {0x0102, kShutterSpeed},
    {0x0103, kAperture},       {0x0104, kRecordingMode2}, {0x0105, kCompositionPosition},
    {0x0106, kExposureMode},
};
static_assert(isSortedBy(std::span<const TagValues>(kEnumerations), &TagValues::tag));

} // namespace

QString formatCasioNoteInteger(uint16_t tag, const IntegerValue& value)
{
    if (tag == 0x0006) // object distance in millimetres
        return QString::asprintf("%.2f m", value.value * 0.001);
    return enumerationText(kEnumerations, tag, value.value);
}

} // namespace vistello::tags

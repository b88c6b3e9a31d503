#include "jpegmeta/tags/FujiTags.h"

namespace vistello::tags {

namespace {

// Sharpness, tag 0x1001
constexpr ValueText kSharpness[] = {{1, u"Soft"}, {2, u"Soft"}, {3, u"Normal"}, {4, u"Hard"}, {5, u"Hard"}};
// White balance, tag 0x1002 (spellings as users know them)
constexpr ValueText kWhiteBalance[] = {
    {0, u"Auto"},
    {256, u"Daylight"},
    {512, u"Cloudy"},
    {768, u"Daylight color-fluorescence"},
    {769, u"Daywhite color-fluorescence"},
    {770, u"White-fluorescence"},
    {1024, u"Incandenscense"},
    {3840, u"Custom white balance"},
};
// Color 0x1003, tone 0x1004 (the stray bracket is part of the known text)
constexpr ValueText kNormalHighLow[] = {{0, u"Normal"}, {256, u"High"}, {512, u"Low )"}};
// Flash mode, tag 0x1010
constexpr ValueText kFlashMode[] = {{0, u"Auto"}, {1, u"On"}, {2, u"Off"}, {3, u"Red Eye reduction"}};
// Macro 0x1020, slow sync 0x1030, continuous taking 0x1100
constexpr ValueText kOffOn[] = {{0, u"Off"}, {1, u"On"}};
// Focus mode, tag 0x1021
constexpr ValueText kFocusMode[] = {{0, u"Auto focus"}, {1, u"Manual focus"}};
// Picture mode, tag 0x1031
constexpr ValueText kPictureMode[] = {
    {0, u"Auto"},        {1, u"Portrait scene"}, {2, u"Landscape scene"},   {4, u"Sports scene"},
    {5, u"Night scene"}, {6, u"Program AE"},     {256, u"Aperture prior AE"}, {512, u"Shutter prior AE"},
    {768, u"Manual exposure"},
};
// Blur warning, tag 0x1300
constexpr ValueText kBlurWarning[] = {{0, u"None"}, {1, u"Yes"}};
// Focus warning, tag 0x1301
constexpr ValueText kFocusWarning[] = {{0, u"Auto focus good"}, {1, u"Out of focus"}};
// AE warning, tag 0x1302
constexpr ValueText kAeWarning[] = {{0, u"AE good"}, {1, u"Overexposure (>1/1000s, F11)"}};

constexpr TagValues kEnumerations[] = {
    {0x1001, kSharpness},   {0x1002, kWhiteBalance}, {0x1003, kNormalHighLow}, {0x1004, kNormalHighLow},
    {0x1010, kFlashMode},   {0x1020, kOffOn},        {0x1021, kFocusMode},     {0x1030, kOffOn},
    {0x1031, kPictureMode}, {0x1100, kOffOn},        {0x1300, kBlurWarning},   {0x1301, kFocusWarning},
    {0x1302, kAeWarning},
};
static_assert(isSortedBy(std::span<const TagValues>(kEnumerations), &TagValues::tag));

} // namespace

QString formatFujiNoteInteger(uint16_t tag, const IntegerValue& value)
{
    return enumerationText(kEnumerations, tag, value.value);
}

} // namespace vistello::tags

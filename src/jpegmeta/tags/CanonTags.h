#pragma once
// Names and value texts of the Canon maker note (kind 7) and of the three
// arrays inside it: camera settings (8), shot information (9) and custom
// functions (10), whose entries are the arrays' elements.
#include "jpegmeta/tags/KindDictionary.h"

namespace vistello::tags {

// Canon maker note, kind 7
inline constexpr TagNameRow kCanonNoteNames[] = {
    {0x0006, u"Image type"},
    {0x0007, u"Firmware version"},
    {0x0008, u"Image Number"},
    {0x0009, u"Owner name"},
    {0x000C, u"Camera serial number"},
};
static_assert(isSortedBy(std::span<const TagNameRow>(kCanonNoteNames), &TagNameRow::tag));

// Canon camera settings, kind 8 (tag = element index)
inline constexpr TagNameRow kCanonCameraSettingsNames[] = {
    {0x0001, u"Macro mode"},
    {0x0002, u"Self-timer length"},
    {0x0003, u"Quality"},
    {0x0004, u"Flash mode"},
    {0x0005, u"Continuous drive mode"},
    {0x0007, u"Focus Mode"},
    {0x000A, u"Image size"},
    {0x000B, u"Easy shooting mode"},
    {0x000C, u"Digital Zoom"},
    {0x000D, u"Contrast"},
    {0x000E, u"Saturation"},
    {0x000F, u"Sharpness"},
    {0x0010, u"ISO"},
    {0x0011, u"Metering mode"},
    {0x0012, u"Focus type"},
    {0x0013, u"AF point selected"},
    {0x0014, u"Exposure mode"},
    {0x0017, u"long focal length of lens (in focal units)"},
    {0x0018, u"short focal length of lens (in focal units)"},
    {0x0019, u"focal units per mm"},
    {0x001C, u"Flash Activity"},
    {0x001D, u"Flash details"},
    {0x0020, u"Focus mode"},
};
static_assert(isSortedBy(std::span<const TagNameRow>(kCanonCameraSettingsNames), &TagNameRow::tag));

// Canon shot information, kind 9 (tag = element index)
inline constexpr TagNameRow kCanonShotInfoNames[] = {
    {0x0007, u"White balance"},
    {0x0009, u"Sequence number"},
    {0x000E, u"AF point used"},
    {0x000F, u"Flash bias"},
    {0x0013, u"Subject Distance"},
};
static_assert(isSortedBy(std::span<const TagNameRow>(kCanonShotInfoNames), &TagNameRow::tag));

// Canon custom functions, kind 10 (tag = function number)
inline constexpr TagNameRow kCanonCustomFunctionNames[] = {
    {0x0001, u"Long exposure noise reduction"},
    {0x0002, u"Shutter/AE-lock buttons"},
    {0x0003, u"Mirror lockup"},
    {0x0004, u"Tv/Av and exposure level"},
    {0x0005, u"AF-assist light"},
    {0x0006, u"Shutter speed in Av mode"},
    {0x0007, u"AEB sequence/auto cancellation"},
    {0x0008, u"Shutter curtain sync"},
    {0x0009, u"Lens AF stop button Fn. Switch"},
    {0x000A, u"Auto reduction of fill flash"},
    {0x000B, u"Menu button return position"},
    {0x000C, u"SET button func. when shooting"},
    {0x000D, u"Sensor cleaning"},
};
static_assert(isSortedBy(std::span<const TagNameRow>(kCanonCustomFunctionNames), &TagNameRow::tag));

QString formatCanonNoteInteger(uint16_t tag, const IntegerValue& value);
QString formatCanonCameraSettingsInteger(uint16_t tag, const IntegerValue& value);
QString formatCanonShotInfoInteger(uint16_t tag, const IntegerValue& value);
QString formatCanonCustomFunctionInteger(uint16_t tag, const IntegerValue& value);

} // namespace vistello::tags

#pragma once
// Names and value texts of the Fuji maker note (kind 15).
#include "jpegmeta/tags/KindDictionary.h"

namespace vistello::tags {

// Fuji maker note, kind 15
inline constexpr TagNameRow kFujiNoteNames[] = {
    {0x0000, u"Version"},
    {0x1000, u"Quality"},
    {0x1001, u"Sharpness"},
    {0x1002, u"White balance"},
    {0x1003, u"Color"},
    {0x1004, u"Tone"},
    {0x1010, u"Flash Mode"},
    {0x1011, u"Flash Strength in APEX(EV)"},
    {0x1020, u"Macro"},
    {0x1021, u"Focus mode"},
    {0x1030, u"Slow sync"},
    {0x1031, u"Picture mode"},
    {0x1100, u"Cont. taking/bracket"},
    {0x1300, u"Blur warning"},
    {0x1301, u"Focus warning"},
    {0x1302, u"AE warning"},
};
static_assert(isSortedBy(std::span<const TagNameRow>(kFujiNoteNames), &TagNameRow::tag));

QString formatFujiNoteInteger(uint16_t tag, const IntegerValue& value);

} // namespace vistello::tags

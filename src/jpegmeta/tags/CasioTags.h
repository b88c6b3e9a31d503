#pragma once
// Names and value texts of the Casio maker note (kind 14).
#include "jpegmeta/tags/KindDictionary.h"

namespace vistello::tags {

// Casio maker note, kind 14
inline constexpr TagNameRow kCasioNoteNames[] = {
    {0x0001, u"Recording mode"},
    {0x0002, u"Quality"},
    {0x0003, u"Focusing Mode"},
    {0x0004, u"Flash Mode"},
    {0x0005, u"Flash Intensity"},
    {0x0006, u"Object distance"},
    {0x0007, u"White Balance"},
    {0x000A, u"Digital Zoom"},
    {0x000B, u"Sharpness"},
    {0x000C, u"Contrast"},
    {0x000D, u"Saturation"},
    {0x0014, u"CCD Sensitivity"},
    {0x0016, u"Enhancement"},
    {0x0017, u"Filter"},
    {0x0018, u"Focus Frame Location"},
    {0x0019, u"Flash Intensity"},
    {0x0100, u"Metering Mode"},
    {0x0101, u"EV Shift"},
    {0x0102, u"Shutter Speed"},
    {0x0103, u"Aperture"},
    {0x0104, u"Recording Mode"},
    {0x0105, u"Composition Frame"},
    {0x0106, u"Exposure Mode"},
};
static_assert(isSortedBy(std::span<const TagNameRow>(kCasioNoteNames), &TagNameRow::tag));

QString formatCasioNoteInteger(uint16_t tag, const IntegerValue& value);

} // namespace vistello::tags

#pragma once
// Names and value texts of the two Nikon maker notes: the early note behind
// a "Nikon" header (kind 11) and the note without header (kind 12), whose
// tag set the later cameras keep.
#include "jpegmeta/tags/KindDictionary.h"

namespace vistello::tags {

// Nikon note with header, kind 11
inline constexpr TagNameRow kNikonHeaderNoteNames[] = {
    {0x0003, u"Quality"},
    {0x0004, u"Color Mode"},
    {0x0005, u"Image Adjustment"},
    {0x0006, u"CCD Sensitivity"},
    {0x0007, u"White balance"},
    {0x0008, u"Focus"},
    {0x000A, u"Digital Zoom"},
    {0x000B, u"Converter"},
};
static_assert(isSortedBy(std::span<const TagNameRow>(kNikonHeaderNoteNames), &TagNameRow::tag));

// Nikon note without header, kind 12
inline constexpr TagNameRow kNikonNoteNames[] = {
    {0x0001, u"Version"},
    {0x0002, u"ISO Setting"},
    {0x0003, u"ColorMode"},
    {0x0004, u"Quality"},
    {0x0005, u"Whitebalance"},
    {0x0006, u"Image Sharpening"},
    {0x0007, u"Focus Mode"},
    {0x0008, u"Flash Setting"},
    {0x0009, u"Flash Type"},
    {0x000F, u"ISO Selection"},
    {0x0080, u"Image Adjustment"},
    {0x0081, u"Tone comp"},
    {0x0082, u"Adapter"},
    {0x0084, u"Lens type"},
    {0x0085, u"Manual Focus Distance"},
    {0x0086, u"Digital Zoom"},
    {0x0088, u"AF Focus Position"},
};
static_assert(isSortedBy(std::span<const TagNameRow>(kNikonNoteNames), &TagNameRow::tag));

QString formatNikonHeaderNoteInteger(uint16_t tag, const IntegerValue& value);
QString formatNikonHeaderNoteRational(uint16_t tag, int32_t numerator, int32_t denominator);
QString formatNikonNoteInteger(uint16_t tag, const IntegerValue& value);
QString formatNikonNoteComposite(const TiffBlock& block, const ExifEntry& entry, const EntryValues& values);

} // namespace vistello::tags

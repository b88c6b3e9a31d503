#pragma once
// Names and value texts of the Olympus maker note (kind 13).
#include "jpegmeta/tags/KindDictionary.h"

namespace vistello::tags {

// Olympus maker note, kind 13
inline constexpr TagNameRow kOlympusNoteNames[] = {
    {0x0200, u"Special mode"},
    {0x0201, u"Jpeg quality"},
    {0x0202, u"Macro"},
    {0x0204, u"Digital zoom"},
    {0x0207, u"Software release"},
    {0x0208, u"Picture info"},
    {0x0209, u"Camera ID"},
};
static_assert(isSortedBy(std::span<const TagNameRow>(kOlympusNoteNames), &TagNameRow::tag));

QString formatOlympusNoteInteger(uint16_t tag, const IntegerValue& value);
QString formatOlympusNoteComposite(const TiffBlock& block, const ExifEntry& entry, const EntryValues& values);

} // namespace vistello::tags

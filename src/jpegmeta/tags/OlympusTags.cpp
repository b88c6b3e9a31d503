#include "jpegmeta/tags/OlympusTags.h"

#include <QStringList>

namespace vistello::tags {

namespace {

// Jpeg quality, tag 0x0201
constexpr ValueText kJpegQuality[] = {{1, u"SQ"}, {2, u"HQ"}, {3, u"SHQ"}};
// Macro, tag 0x0202
constexpr ValueText kMacro[] = {{0, u"Normal"}, {1, u"Macro"}};
// Digital zoom, tag 0x0204
constexpr ValueText kDigitalZoom[] = {{0, u"Normal"}, {2, u"Digital 2x zoom"}};

constexpr TagValues kEnumerations[] = {{0x0201, kJpegQuality}, {0x0202, kMacro}, {0x0204, kDigitalZoom}};
static_assert(isSortedBy(std::span<const TagValues>(kEnumerations), &TagValues::tag));

// Special mode, first LONG of tag 0x0200
constexpr ValueText kPictureMode[] = {
    {0, u"Picture mode: Normal"}, {2, u"Picture mode: Fast"}, {3, u"Picture mode: Panorama"},
};
// Special mode, third LONG
constexpr ValueText kPanoramaDirection[] = {
    {1, u"Panorama direction: left to right"},
    {2, u"Panorama direction: right to left"},
    {3, u"Panorama direction: bottom to top"},
    {4, u"Panorama direction: top to bottom"},
};

// Three LONGs: picture mode, sequence number, panorama direction.
QString specialModeText(const EntryValues& values)
{
    if (values.elementCount() < 3)
        return {};
    QStringList parts;
    const QString mode = valueText(kPictureMode, values.unsignedAt(0));
    if (!mode.isEmpty())
        parts << mode;
    parts << QString::asprintf("Sequence Number: %d", values.signedAt(1));
    const QString direction = valueText(kPanoramaDirection, values.unsignedAt(2));
    if (!direction.isEmpty())
        parts << direction;
    return parts.join(QStringLiteral(", "));
}

} // namespace

QString formatOlympusNoteInteger(uint16_t tag, const IntegerValue& value)
{
    return enumerationText(kEnumerations, tag, value.value);
}

QString formatOlympusNoteComposite(const TiffBlock&, const ExifEntry& entry, const EntryValues& values)
{
    const bool longs = entry.type == exiftype::Long || entry.type == exiftype::SLong;
    return entry.tag == 0x0200 && longs ? specialModeText(values) : QString();
}

} // namespace vistello::tags

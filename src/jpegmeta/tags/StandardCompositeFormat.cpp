#include "jpegmeta/exif/UserComment.h"
#include "jpegmeta/tags/CfaPatternSize.h"
#include "jpegmeta/tags/RationalText.h"
#include "jpegmeta/tags/StandardFormatters.h"

#include <QStringList>

namespace vistello::tags {

namespace {

struct ReferenceText {
    uint16_t tag;
    char code; // first character of the ASCII value
    const char16_t* text;
};

// GPS reference letters
constexpr ReferenceText kGpsReferences[] = {
    {0x0001, 'N', u"North"},
    {0x0001, 'S', u"South"},
    {0x0003, 'E', u"East"},
    {0x0003, 'W', u"West"},
    {0x0009, 'A', u"Measurement in progress"},
    {0x0009, 'V', u"Measurement Interoperability"},
    {0x000A, '2', u"2-dimensional measurement"},
    {0x000A, '3', u"3-dimensional measurement"},
    {0x000C, 'K', u"Kilometers per hour"},
    {0x000C, 'M', u"Miles per hour"},
    {0x000C, 'N', u"Knots"},
    {0x000E, 'T', u"True direction"},
    {0x000E, 'M', u"Magnetic direction"},
    {0x0010, 'T', u"True direction"},
    {0x0010, 'M', u"Magnetic direction"},
    {0x0013, 'N', u"North"},
    {0x0013, 'S', u"South"},
    {0x0015, 'E', u"East"},
    {0x0015, 'W', u"West"},
    {0x0017, 'T', u"True direction"},
    {0x0017, 'M', u"Magnetic direction"},
    {0x0019, 'K', u"Kilometers"},
    {0x0019, 'M', u"Miles"},
    {0x0019, 'N', u"Knots"},
};

// Colours of the colour-filter-array cells, by value
constexpr const char16_t* kCfaColours[] = {u"Red", u"Green", u"Blue", u"Cyan", u"Magenta", u"Yellow", u"White"};

// Component codes 1-6 of ComponentsConfiguration
constexpr const char16_t* kComponents[] = {u"Y", u"Cb", u"Cr", u"R", u"G", u"B"};

bool isRational(const ExifEntry& e) { return e.type == exiftype::Rational || e.type == exiftype::SRational; }

QString referenceText(uint16_t tag, const EntryValues& values)
{
    if (values.bytes().isEmpty())
        return {};
    const char code = char(values.byteAt(0));
    for (const ReferenceText& row : kGpsReferences)
        if (row.tag == tag && row.code == code)
            return QString::fromUtf16(row.text);
    return {};
}

// Degrees, minutes and seconds of a GPS coordinate.
QString coordinateText(const EntryValues& v)
{
    const int32_t dn = v.numeratorAt(0), dd = v.denominatorAt(0);
    const int32_t mn = v.numeratorAt(1), md = v.denominatorAt(1);
    const int32_t sn = v.numeratorAt(2), sd = v.denominatorAt(2);
    QString text = dd == 1 ? QString::asprintf("%d\u00B0", dn) : QString::asprintf("%.1f\u00B0", quotient(dn, dd));
    if (sd != 0) {
        text += md == 1 ? QString::asprintf(" %d'", mn) : QString::asprintf(" %.1f'", quotient(mn, md));
        text += sd == 1 ? QString::asprintf(" %d\"", sn) : QString::asprintf(" %.1f\"", quotient(sn, sd));
    } else {
        // Minutes in hundredths and no seconds, as some receivers write them.
        text += QString::asprintf(" %.2f'", double(mn) * 0.01);
    }
    return text;
}

QString gpsTimeText(const EntryValues& v)
{
    QStringList parts;
    for (uint32_t i = 0; i < v.elementCount(); ++i) {
        const int32_t n = v.numeratorAt(i), d = v.denominatorAt(i);
        parts << (d == 1 ? QString::asprintf("%02d", n) : QString::asprintf("%02d/%02d", n, d));
    }
    return parts.join(QLatin1Char(':'));
}

QString componentsText(const EntryValues& v)
{
    QString text;
    for (qsizetype i = 0; i < v.bytes().size(); ++i) {
        const uint8_t code = v.byteAt(uint32_t(i));
        if (code >= 1 && code <= 6)
            text += QString::fromUtf16(kComponents[code - 1]);
    }
    return text;
}

QString subjectAreaText(const ExifEntry& e, const EntryValues& v)
{
    if (e.type != exiftype::Short || v.elementCount() != e.count)
        return {};
    const auto at = [&v](uint32_t i) { return v.unsignedAt(i); };
    switch (e.count) {
    case 2:
        return QString::asprintf("x=%u, y=%u", at(0), at(1));
    case 3:
        return QString::asprintf("x=%u, y=%u, r=%u", at(0), at(1), at(2));
    case 4:
        return QString::asprintf("x=%u, y=%u, w=%u, h=%u", at(0), at(1), at(2), at(3));
    default:
        return {};
    }
}

QString userCommentText(const TiffBlock& block, const ExifEntry& e)
{
    if (e.total() <= 4)
        return {}; // no room for the character code, let alone text
    const UserCommentText comment = decodeUserComment(block, e.value, e.count);
    if (comment.text.isEmpty())
        return {};
    const QString code = comment.code.isEmpty() ? QStringLiteral("unknown") : comment.code;
    return QStringLiteral("[Encoding: ") + code + QStringLiteral("] ") + comment.text;
}

QString cfaPatternText(const TiffBlock& block, const EntryValues& v)
{
    const CfaPatternSize size = cfaPatternSize(block.littleEndian(), v);
    if (!size.plausible())
        return QStringLiteral("-invalid size-");
    QString text = QString::asprintf("        %dx%d array", size.columns, size.rows);
    qsizetype at = kCfaPatternHead;
    for (int r = 0; r < size.rows; ++r) {
        for (int c = 0; c < size.columns; ++c, ++at) {
            if (at >= v.bytes().size())
                return text; // the pattern ends with the entry's bytes
            text += QString::asprintf(", [%d,%d]=", r, c);
            const uint8_t colour = v.byteAt(uint32_t(at));
            text += colour < std::size(kCfaColours) ? QString::fromUtf16(kCfaColours[colour])
                                                    : QString(QChar(char16_t(colour + 48)));
        }
    }
    return text;
}

} // namespace

QString formatStandardComposite(const TiffBlock& block, const ExifEntry& entry, const EntryValues& values)
{
    switch (entry.tag) {
    case 0x0001:
    case 0x0003:
    case 0x0009:
    case 0x000A:
    case 0x000C:
    case 0x000E:
    case 0x0010:
    case 0x0013:
    case 0x0015:
    case 0x0017:
    case 0x0019:
        return referenceText(entry.tag, values);
    case 0x0002: // GPSLatitude
    case 0x0004: // GPSLongitude
    case 0x0014: // GPSDestLatitude
    case 0x0016: // GPSDestLongitude
        return isRational(entry) && entry.count == 3 && values.elementCount() == 3 ? coordinateText(values) : QString();
    case 0x0005: // GPSAltitudeRef
        if (values.bytes().isEmpty())
            return {};
        if (values.byteAt(0) == 0)
            return QStringLiteral("Sea level");
        return values.byteAt(0) == 1 ? QStringLiteral("Below sea level") : QString();
    case 0x0007: // GPSTimeStamp
        return isRational(entry) ? gpsTimeText(values) : QString();
    case 0x0102: // BitsPerSample
        if (entry.type != exiftype::Short || entry.count != 3 || values.elementCount() != 3)
            return {};
        return QString::asprintf("%u, %u, %u", values.unsignedAt(0), values.unsignedAt(1), values.unsignedAt(2));
    case 0x9101: // ComponentsConfiguration
        return componentsText(values);
    case 0x9214: // SubjectArea
        return subjectAreaText(entry, values);
    case 0xA214: // SubjectLocation
        return entry.count == 2 ? subjectAreaText(entry, values) : QString();
    case 0x9286:
        return userCommentText(block, entry);
    case 0xA302:
        return cfaPatternText(block, values);
    default:
        return {};
    }
}

} // namespace vistello::tags

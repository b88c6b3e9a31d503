#include "jpegmeta/tags/EntryText.h"

#include "jpegmeta/tags/EntryValues.h"
#include "jpegmeta/tags/TagDictionary.h"

#include <QStringList>

namespace vistello {

namespace {

using tags::EntryValues;

// One character per byte; bytes below 0x20 as blanks. Inline BYTE and
// UNDEFINED values 0-9 are shown as digits (version numbers stored as 0, 2, 2, 0).
QString characters(const EntryValues& v, bool digitsInline)
{
    const bool digits = digitsInline && v.inlineField();
    QString text;
    text.reserve(v.bytes().size());
    for (char raw : v.bytes()) {
        const uint8_t c = uint8_t(raw);
        if (digits && c <= 9)
            text += QChar(char16_t('0' + c));
        else
            text += QChar(c < 0x20 ? char16_t(' ') : char16_t(c));
    }
    return text;
}

QString versionText(const QString& text)
{
    // ExifVersion, FlashPixVersion and InteroperabilityVersion texts
    static constexpr const char* kVersions[][2] = {{"0100", "1.0"}, {"0110", "1.1"}, {"0130", "1.3"},
                                                   {"0200", "2.0"}, {"0210", "2.1"}, {"0220", "2.2"}};
    for (const auto& row : kVersions)
        if (text == QLatin1String(row[0]))
            return QLatin1String(row[1]);
    return text;
}

QString rationalsText(const EntryValues& v)
{
    QStringList parts;
    for (uint32_t i = 0; i < v.elementCount(); ++i) {
        const int32_t n = v.numeratorAt(i), d = v.denominatorAt(i);
        parts << (d == 1 ? QString::asprintf("%d", n) : QString::asprintf("%d/%d", n, d));
    }
    return parts.join(QStringLiteral(", "));
}

bool isSignedType(uint16_t type)
{
    return type == exiftype::SByte || type == exiftype::SShort || type == exiftype::SLong;
}

// Each element in its type's signedness: an SSHORT -5 shows -5, a LONG 3000000000 shows 3000000000.
QString numberText(const EntryValues& v, uint16_t type, uint32_t i)
{
    return isSignedType(type) ? QString::asprintf("%d", v.signedAt(i)) : QString::asprintf("%u", v.unsignedAt(i));
}

QString numbersText(const EntryValues& v, uint16_t type)
{
    QStringList parts;
    for (uint32_t i = 0; i < v.elementCount(); ++i)
        parts << numberText(v, type, i);
    return parts.join(QStringLiteral(", "));
}

QString integerText(const TiffBlock& block, const ExifEntry& e, const EntryValues& v)
{
    if (!v.inlineField() || v.elementCount() > 1) {
        // Arrays, including two SHORTs in the value field (SubjectArea, SubjectLocation).
        const QString composite = formatComposite(block, e, e.kind);
        if (!composite.isEmpty())
            return composite;
    }
    if (v.inlineField() && v.elementCount() > 0) {
        IntegerValue value;
        value.count = v.elementCount();
        for (uint32_t i = 0; i < value.count; ++i)
            value.elements[i] = v.unsignedAt(i);
        value.value = value.elements[0];
        const QString text = formatInteger(e.tag, e.kind, value);
        if (!text.isEmpty())
            return text;
    }
    return numbersText(v, e.type);
}

} // namespace

QString entryText(const TiffBlock& block, const ExifEntry& e)
{
    const EntryValues v(block, e);
    if (!v.shown())
        return {};
    switch (e.type) {
    case exiftype::Byte:
    case exiftype::Ascii:
    case exiftype::Undefined: {
        const QString composite = formatComposite(block, e, e.kind);
        if (!composite.isEmpty())
            return composite;
        const QString text = characters(v, e.type != exiftype::Ascii);
        return e.type == exiftype::Undefined ? versionText(text) : text;
    }
    case exiftype::Rational:
    case exiftype::SRational: {
        QString text;
        if (e.count == 1 && v.elementCount() == 1)
            text = formatRational(e.tag, e.kind, v.numeratorAt(0), v.denominatorAt(0));
        else if (e.count > 1)
            text = formatComposite(block, e, e.kind);
        return text.isEmpty() ? rationalsText(v) : text;
    }
    default:
        return integerText(block, e, v);
    }
}

} // namespace vistello

#include "jpegmeta/tags/StandardEnumerations.h"
#include "jpegmeta/tags/StandardFormatters.h"

#include <QStringList>

namespace vistello::tags {

namespace {

QString subSamplingText(const IntegerValue& v)
{
    const uint32_t h = v.element(0);
    const uint32_t vertical = v.element(1);
    if (h == 2 && vertical == 1)
        return QStringLiteral("YCbCr 4:2:2");
    if (h == 2 && vertical == 2)
        return QStringLiteral("YCbCr 4:2:0");
    if (h != 0 && vertical != 0)
        return QString::asprintf("[%u, %u]", h, vertical);
    return {};
}

} // namespace

QString flashText(uint32_t value)
{
    QStringList parts;
    parts << ((value & 1) ? QStringLiteral("On") : QStringLiteral("Off"));
    switch ((value >> 1) & 3) {
    case 2:
        parts << QStringLiteral("Strobe return light not detected");
        break;
    case 3:
        parts << QStringLiteral("Strobe return light detected");
        break;
    default:
        break;
    }
    switch ((value >> 3) & 3) {
    case 1:
        parts << QStringLiteral("Compulsory flash mode");
        break;
    case 2:
        parts << QStringLiteral("Compulsory flash suppression");
        break;
    case 3:
        parts << QStringLiteral("Auto mode");
        break;
    default:
        break;
    }
    if (value & 0x20)
        parts << QStringLiteral("No flash function");
    if (value & 0x40)
        parts << QStringLiteral("Red-eye reduction mode");
    return parts.join(QStringLiteral(", "));
}

QString formatStandardInteger(uint16_t tag, const IntegerValue& value)
{
    switch (tag) {
    case 0x0212: // YCbCrSubSampling
        return subSamplingText(value);
    case 0x9209: // Flash
        return flashText(value.value);
    case 0xA002: // PixelXDimension
    case 0xA003: // PixelYDimension
        return QString::asprintf("%u px", value.value);
    default:
        return enumerationText(kStandardEnumerations, tag, value.value);
    }
}

} // namespace vistello::tags

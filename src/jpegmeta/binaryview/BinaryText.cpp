#include "jpegmeta/binaryview/BinaryText.h"

#include <algorithm>

namespace vistello {

QString addressText(uint64_t offset, bool decimal, int cells)
{
    return QString::number(offset, decimal ? 10 : 16).rightJustified(cells, u'0');
}

QString byteDigits(uint8_t byte, int digits)
{
    switch (digits) {
    case 3:
        return QString::number(byte).rightJustified(3, u'0');
    case 8:
        return QString::number(byte, 2).rightJustified(8, u'0');
    default:
        return QString::number(byte, 16).rightJustified(2, u'0');
    }
}

QChar byteCharacter(uint8_t byte, bool dots)
{
    if (dots && (byte < 0x20 || byte > 0x7F))
        return u'.';
    return QChar(char16_t(byte)); // Latin-1
}

QString binaryLineText(uint64_t offset, QByteArrayView bytes, const BinaryLineFormat& format)
{
    const qsizetype count = std::min<qsizetype>(bytes.size(), format.bytesPerLine);
    QString line = addressText(offset, format.decimalAddress, format.addressCells);
    line.reserve(line.size() + qsizetype(format.bytesPerLine) * (format.digits + 2) + 4);
    for (qsizetype i = 0; i < count; ++i) {
        line += u' ';
        line += byteDigits(uint8_t(bytes[i]), format.digits);
    }
    if (!format.characters)
        return line;
    line += QString((format.bytesPerLine - count) * (format.digits + 1) + 4, u' ');
    for (qsizetype i = 0; i < count; ++i)
        line += byteCharacter(uint8_t(bytes[i]), format.dots);
    return line;
}

} // namespace vistello

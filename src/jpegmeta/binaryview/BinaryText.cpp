#include "jpegmeta/binaryview/BinaryText.h"

#include <algorithm>

namespace vistello {

namespace {

// Writes the digits of a byte at out (lines are built in place: the command
// line tool formats millions of them).
QChar* putDigits(QChar* out, uint8_t byte, int digits)
{
    static constexpr char16_t kHex[] = u"0123456789abcdef";
    switch (digits) {
    case 3:
        *out++ = QChar(char16_t(u'0' + byte / 100));
        *out++ = QChar(char16_t(u'0' + byte / 10 % 10));
        *out++ = QChar(char16_t(u'0' + byte % 10));
        return out;
    case 8:
        for (int bit = 7; bit >= 0; --bit)
            *out++ = QChar((byte >> bit) & 1 ? u'1' : u'0');
        return out;
    default:
        *out++ = QChar(kHex[byte >> 4]);
        *out++ = QChar(kHex[byte & 15]);
        return out;
    }
}

int digitCount(int digits) { return digits == 3 || digits == 8 ? digits : 2; }

} // namespace

QString addressText(uint64_t offset, bool decimal, int cells)
{
    return QString::number(offset, decimal ? 10 : 16).rightJustified(cells, u'0');
}

QString byteDigits(uint8_t byte, int digits)
{
    QString text(digitCount(digits), Qt::Uninitialized);
    putDigits(text.data(), byte, digits);
    return text;
}

QChar byteCharacter(uint8_t byte, bool dots)
{
    if (dots && (byte < 0x20 || byte > 0x7F))
        return u'.';
    return QChar(char16_t(byte)); // Latin-1
}

QString binaryLineText(uint64_t offset, QByteArrayView bytes, const BinaryLineFormat& format)
{
    const int digits = digitCount(format.digits);
    const int perLine = std::max(format.bytesPerLine, 1);
    const qsizetype count = std::min<qsizetype>(bytes.size(), perLine);
    const QString address = addressText(offset, format.decimalAddress, format.addressCells);
    const qsizetype length = address.size() + (format.characters ? qsizetype(perLine) * (digits + 1) + 4 + count
                                                                 : count * (digits + 1));
    QString line(length, Qt::Uninitialized);
    QChar* out = std::copy(address.cbegin(), address.cend(), line.data());
    for (qsizetype i = 0; i < count; ++i) {
        *out++ = u' ';
        out = putDigits(out, uint8_t(bytes[i]), digits);
    }
    if (format.characters) {
        out = std::fill_n(out, (perLine - count) * (digits + 1) + 4, QChar(u' '));
        for (qsizetype i = 0; i < count; ++i)
            *out++ = byteCharacter(uint8_t(bytes[i]), format.dots);
    }
    return line;
}

} // namespace vistello

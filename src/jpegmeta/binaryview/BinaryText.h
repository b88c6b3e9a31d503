#pragma once
// The texts of the binary view: the address, a byte's digits and its
// character, and a whole line as the view places it, one character per cell.
#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <cstdint>

namespace vistello {

// Zero-padded to cells.
QString addressText(uint64_t offset, bool decimal, int cells);
// 2: lower-case hexadecimal, 3: decimal 000-255, 8: base two, most significant first.
QString byteDigits(uint8_t byte, int digits);
// With dots, bytes below 0x20 or above 0x7F are "."; otherwise the character of the byte's code.
QChar byteCharacter(uint8_t byte, bool dots);

struct BinaryLineFormat {
    int digits = 2;
    int bytesPerLine = 16;
    int addressCells = 8;
    bool decimalAddress = false;
    bool characters = true; // with the character column
    bool dots = false;
};

// Address, a blank and the digits per byte, then four blanks and the
// characters, where a short last line keeps the character column in place.
QString binaryLineText(uint64_t offset, QByteArrayView bytes, const BinaryLineFormat& format);

} // namespace vistello

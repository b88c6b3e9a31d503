#pragma once
// Where the binary view puts things, in cells of the font: the address
// (at least 8 cells, more when the file's last offset needs them), then per
// byte one blank cell and its digits, four blank cells, and one character
// per byte in the character column (its own cell width). Bytes per line
// follow from the client width, lines from its height.
#include "jpegmeta/binaryview/BinaryViewOptions.h"

#include <cstdint>

namespace vistello {

struct BinaryMetrics {
    int cellWidth = 4;  // widest digit or letter used, at least 4
    int charWidth = 4;  // a cell of the character column
    int lineHeight = 1;
};

struct BinaryLayout {
    BinaryMetrics metrics;
    int digits = 2;
    int addressCells = 8;
    int bytesPerLine = 1;
    int visibleLines = 0;

    // Left edge of byte i's digits.
    int byteX(int i) const;
    int charactersX() const;
    int characterX(int i) const { return charactersX() + i * metrics.charWidth; }
    int lineY(int line) const { return line * metrics.lineHeight; }
    BinaryZone zoneAt(int x) const;
};

// Cells of the address column: 8, or as many digits as the file's last offset has.
int addressCells(uint64_t fileSize, bool decimal);

BinaryLayout layoutBinaryView(int clientWidth, int clientHeight, BinaryMetrics metrics, int digits, int addressCells);

} // namespace vistello

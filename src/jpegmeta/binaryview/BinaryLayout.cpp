#include "jpegmeta/binaryview/BinaryLayout.h"

#include <algorithm>

namespace vistello {

namespace {

// Cells outside the bytes besides the address: a blank after it, four
// before the characters and one at the right edge.
constexpr int kMarginCells = 5;
constexpr int kGapCells = 4;

} // namespace

int BinaryLayout::byteX(int i) const { return (addressCells + 1 + i * (digits + 1)) * metrics.cellWidth; }

int BinaryLayout::charactersX() const
{
    return (addressCells + kGapCells + (digits + 1) * bytesPerLine) * metrics.cellWidth;
}

BinaryZone BinaryLayout::zoneAt(int x) const
{
    if (x < (addressCells + 1) * metrics.cellWidth)
        return BinaryZone::Address;
    return x < charactersX() ? BinaryZone::Bytes : BinaryZone::Characters;
}

int addressCells(uint64_t fileSize, bool decimal)
{
    const uint64_t base = decimal ? 10 : 16;
    int cells = 1;
    for (uint64_t last = fileSize > 0 ? fileSize - 1 : 0; last >= base; last /= base)
        ++cells;
    return std::max(cells, 8);
}

BinaryLayout layoutBinaryView(int clientWidth, int clientHeight, BinaryMetrics metrics, int digits, int cells)
{
    BinaryLayout layout;
    metrics.cellWidth = std::max(metrics.cellWidth, 4);
    metrics.charWidth = std::max(metrics.charWidth, 1);
    metrics.lineHeight = std::max(metrics.lineHeight, 1);
    layout.metrics = metrics;
    layout.digits = digits;
    layout.addressCells = cells;
    const int64_t free = int64_t(clientWidth) - int64_t(cells + kMarginCells) * metrics.cellWidth;
    const int64_t perByte = int64_t(metrics.cellWidth) * (digits + 1) + metrics.charWidth;
    layout.bytesPerLine = int(std::max<int64_t>(free / perByte, 1));
    layout.visibleLines = std::max(clientHeight, 0) / metrics.lineHeight;
    return layout;
}

} // namespace vistello

#pragma once
// The colour-filter pattern (EXIF 0xA302) as the picture-data list draws
// it: a grid of columns x rows cells. Its size comes from the file, so a
// grid exists only when the entry holds every cell and there are at most 64.
#include "jpegmeta/exif/ExifEntry.h"
#include "jpegmeta/exif/TiffBlock.h"

#include <QColor>
#include <QRect>
#include <cstdint>
#include <optional>
#include <vector>

namespace vistello {

struct ColourFilterGrid {
    int columns = 0;
    int rows = 0;
    std::vector<uint8_t> cells; // row by row

    uint8_t cell(int row, int column) const { return cells[size_t(row * columns + column)]; }
};

constexpr int kMaxColourFilterCells = 64;

std::optional<ColourFilterGrid> colourFilterGrid(const TiffBlock& block, const ExifEntry& entry);

// Values 0-6: red, green, blue, cyan, magenta, yellow, white; any other grey.
QColor colourFilterColour(uint8_t value);
// The cell's place inside the square drawn beside the row.
QRect colourFilterCellRect(const QRect& square, const ColourFilterGrid& grid, int row, int column);

} // namespace vistello

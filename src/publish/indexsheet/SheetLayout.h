#pragma once
// The geometry of an index picture: its size, where each cell starts, and
// the film-strip pattern. Sizes are computed in 64 bits, since columns and
// rows go up to 10,000 each.
#include <QString>
#include <cstdint>
#include <optional>

namespace vistello {

struct SheetGrid {
    int columns = 7;
    int rows = 4;
    int cellWidth = 120;
    int cellHeight = 80;
    int borderX = 5;
    int borderY = 5;
    bool film = false;
    std::uint32_t background = 0xFFFFFF; // red in the low byte, green, blue
};

struct SheetSize {
    int64_t width = 0;
    int64_t height = 0;
};

inline constexpr int64_t kMaxSheetSide = 65500;

SheetSize sheetSize(const SheetGrid& grid);
// Why a sheet of this grid cannot be made (a side above kMaxSheetSide or a
// buffer above the picture-buffer cap); nothing when it can.
std::optional<QString> sheetSizeRefusal(const SheetGrid& grid);

struct CellOrigin {
    int64_t x = 0;
    int64_t y = 0;
};
CellOrigin cellOrigin(const SheetGrid& grid, int column, int row);

// The colour of pixel x on line y of an empty film sheet, as 0xBBGGRR.
std::uint32_t filmPixel(const SheetGrid& grid, int64_t x, int64_t y);

} // namespace vistello

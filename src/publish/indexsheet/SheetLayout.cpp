#include "publish/indexsheet/SheetLayout.h"

#include "imaging/scale/BufferLimits.h"
#include "resources/PublishStrings.h"

#include <QStringList>
#include <algorithm>

namespace vistello {

namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kGrey = 0x808080;

int64_t atLeastOne(int value) { return std::max(1, value); }

} // namespace

SheetSize sheetSize(const SheetGrid& grid)
{
    const int64_t columns = atLeastOne(grid.columns);
    const int64_t rows = atLeastOne(grid.rows);
    const int64_t cellWidth = grid.cellWidth;
    const int64_t cellHeight = grid.cellHeight;
    if (grid.film)
        return {((cellWidth + 8) * columns + 16) & ~int64_t(7),
                ((cellHeight + 28) * rows + int64_t(grid.borderY) * (rows - 1) + 8) & ~int64_t(7)};
    return {((cellWidth + grid.borderX) * columns + grid.borderX + 8) & ~int64_t(7),
            ((cellHeight + grid.borderY) * rows + grid.borderY + 8) & ~int64_t(7)};
}

std::optional<QString> sheetSizeRefusal(const SheetGrid& grid)
{
    const SheetSize size = sheetSize(grid);
    if (size.width >= 1 && size.height >= 1 && size.width <= kMaxSheetSide && size.height <= kMaxSheetSide
        && fitsBufferCap(size.width, size.height, packedRowBytes(size.width)))
        return std::nullopt;
    return strings::formatInserts(strings::text(strings::kSheetTooLarge),
                                  {QString::number(size.width), QString::number(size.height)});
}

CellOrigin cellOrigin(const SheetGrid& grid, int column, int row)
{
    if (grid.film)
        return {11 + int64_t(column) * (grid.cellWidth + 8),
                14 + int64_t(row) * (int64_t(grid.cellHeight) + 28 + grid.borderY)};
    return {grid.borderX + int64_t(column) * (int64_t(grid.cellWidth) + grid.borderX),
            grid.borderY + int64_t(row) * (int64_t(grid.cellHeight) + grid.borderY)};
}

std::uint32_t filmPixel(const SheetGrid& grid, int64_t x, int64_t y)
{
    const int64_t period = int64_t(grid.borderY) + 28 + grid.cellHeight;
    const int64_t d = y % period;
    const int64_t e = d - (14 + int64_t(grid.cellHeight));
    const int64_t hole = x % 16;
    if (d <= 3 || d == 12 || d == 13 || e == 0 || e == 1 || (e >= 10 && e <= 13))
        return kBlack;
    if (d == 4 || d == 11 || e == 2 || e == 9)
        return hole == 0 || hole == 5 ? kGrey : hole <= 4 ? kWhite : kBlack;
    if ((d >= 5 && d <= 10) || (e >= 3 && e <= 8))
        return hole <= 5 ? kWhite : kBlack;
    if (d >= 14 && e < 0)
        return (x + grid.cellWidth + 5) % (int64_t(grid.cellWidth) + 8) < 8 ? kBlack : grid.background;
    return grid.background;
}

} // namespace vistello

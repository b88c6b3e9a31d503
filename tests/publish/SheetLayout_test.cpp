// Index picture geometry: sizes in 64 bits, cell origins and the film
// pattern, with values worked out by hand from the layout rules.
#include "publish/indexsheet/SheetLayout.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

TEST(SheetLayout, SizesAndCells)
{
    struct Case {
        SheetGrid grid;
        int64_t width, height;
        int64_t lastCellX, lastCellY;
    } const cases[] = {
        {{}, 888, 352, 5 + 6 * 125, 5 + 3 * 85},                                   // defaults
        {{7, 1, 120, 80, 5, 5, true}, 912, 112, 11 + 6 * 128, 14},                // film: 80 + 28 lines, then 4 of background
        {{10000, 10000, 60000, 60000, 0, 0}, 600000008, 600000008, 599940000, 599940000}, // beyond 32 bits
    };
    for (const Case& c : cases) {
        const SheetSize size = sheetSize(c.grid);
        EXPECT_EQ(size.width, c.width);
        EXPECT_EQ(size.height, c.height);
        const CellOrigin last = cellOrigin(c.grid, c.grid.columns - 1, c.grid.rows - 1);
        EXPECT_EQ(last.x, c.lastCellX);
        EXPECT_EQ(last.y, c.lastCellY);
    }
    EXPECT_FALSE(sheetSizeRefusal(SheetGrid{}));
    SheetGrid wide;
    wide.columns = 10000;
    ASSERT_TRUE(sheetSizeRefusal(wide));
    EXPECT_TRUE(sheetSizeRefusal(wide)->contains("1250008 x 352")) << sheetSizeRefusal(wide)->toStdString();
    EXPECT_TRUE(sheetSizeRefusal(SheetGrid{10000, 10000, 60000, 60000, 0, 0}));
    EXPECT_TRUE(sheetSizeRefusal(SheetGrid{500, 500, 120, 80, 5, 5})); // 62,512 x 42,512: sides fit, the buffer does not
}

TEST(SheetLayout, FilmPattern)
{
    SheetGrid grid{7, 2, 120, 80, 5, 5, true, 0x0000FF};
    const std::uint32_t black = 0, white = 0xFFFFFF, grey = 0x808080, red = 0x0000FF;
    struct Pixel {
        int64_t x, y;
        std::uint32_t colour;
    } const pixels[] = {
        {6, 0, black},   {0, 4, grey},   {5, 4, grey},   {1, 4, white}, {6, 4, black}, {5, 7, white},
        {6, 7, black},   {0, 12, black}, {2, 14, red}, {11, 14, red}, {10, 14, black}, {131, 50, black},
        {139, 50, red},  {20, 94, black}, {0, 96, grey}, {1, 100, white}, {20, 108, red}, {20, 112, red},
        {6, 113, black}, // the second stripe starts after the 5-line gap
    };
    for (const Pixel& p : pixels)
        EXPECT_EQ(filmPixel(grid, p.x, p.y), p.colour) << p.x << "," << p.y;
}

} // namespace
} // namespace vistello

// Fuzzes what the picture-data list draws from a TIFF block's values: the
// orientation pictograms, the colour-filter grid (its size and values come
// from the file) with every cell's colour and place, and the list's items.
#include "jpegmeta/exif/ExifData.h"
#include "jpegmeta/info/PictureDataDrawing.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

using namespace vistello;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ExifData tree;
    tree.parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), 0);
    PictureDataSections sections;
    sections.exif = exifRows(tree);
    const QRect square(0, 0, 18, 18);
    for (const PictureDataRow& row : sections.exif) {
        for (const OrientationPictogram& p : orientationPictograms(row))
            if (p.orientation < 1 || p.orientation > 8)
                __builtin_trap();
        if (!row.colourFilter)
            continue;
        const ColourFilterGrid& grid = *row.colourFilter;
        if (grid.columns * grid.rows > kMaxColourFilterCells || grid.cells.size() != size_t(grid.columns * grid.rows))
            __builtin_trap();
        for (int r = 0; r < grid.rows; ++r)
            for (int c = 0; c < grid.columns; ++c) {
                (void)colourFilterColour(grid.cell(r, c));
                if (!square.contains(colourFilterCellRect(square, grid, r, c).topLeft()))
                    __builtin_trap();
            }
    }
    (void)pictureDataItems(sections, int(size % 40));
    return 0;
}

#include "publish/indexsheet/IndexSheet.h"

#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/FormatHandler.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace vistello {

IndexSheet::IndexSheet(const SheetGrid& grid) : grid_(grid)
{
    const SheetSize size = sheetSize(grid);
    pixels_.width = int(size.width);
    pixels_.height = int(size.height);
    pixels_.data.reset(new (std::nothrow) std::uint8_t[pixels_.byteCount()]);
    if (pixels_.data)
        clear();
}

void IndexSheet::clear()
{
    const auto fillRow = [this](int y, auto colourAt) {
        std::uint8_t* p = pixels_.data.get() + pixels_.rowBytes() * size_t(y);
        for (int x = 0; x < pixels_.width; ++x, p += 3) {
            const std::uint32_t colour = colourAt(x);
            p[0] = colour & 0xFF;
            p[1] = (colour >> 8) & 0xFF;
            p[2] = (colour >> 16) & 0xFF;
        }
    };
    for (int y = 0; y < pixels_.height; ++y) {
        if (grid_.film)
            fillRow(y, [&](int x) { return filmPixel(grid_, x, y); });
        else if (y == 0)
            fillRow(y, [&](int) { return grid_.background; });
        else
            std::memcpy(pixels_.data.get() + pixels_.rowBytes() * size_t(y), pixels_.data.get(), pixels_.rowBytes());
    }
}

void IndexSheet::place(int column, int row, const PixelBuffer& thumbnail)
{
    if (thumbnail.empty() || !valid())
        return;
    const CellOrigin origin = cellOrigin(grid_, column, row);
    const int64_t x0 = origin.x + std::max(0, (grid_.cellWidth - thumbnail.width) / 2);
    const int64_t y0 = origin.y + std::max(0, (grid_.cellHeight - thumbnail.height) / 2);
    const int64_t width = std::min<int64_t>({thumbnail.width, grid_.cellWidth, pixels_.width - x0});
    const int64_t height = std::min<int64_t>({thumbnail.height, grid_.cellHeight, pixels_.height - y0});
    for (int64_t y = 0; y < height; ++y)
        std::memcpy(pixels_.data.get() + pixels_.rowBytes() * size_t(y0 + y) + size_t(x0) * 3,
                    thumbnail.data.get() + thumbnail.rowBytes() * size_t(y), size_t(std::max<int64_t>(0, width)) * 3);
}

bool IndexSheet::write(const PictureFileTypes& types, const QString& path, const QString& options) const
{
    const PictureFileType* type = types.typeOf(path);
    if (!valid() || !type || !type->writable || !type->factory)
        return false;
    PictureWriteRequest request;
    request.path = path;
    request.pixels = &pixels_;
    request.newFile = true;
    request.replaceExisting = true; // the sheet of an earlier run
    const FormatHandlerPtr writer = type->factory();
    writer->setProperties(options);
    return writer->writePicture(request);
}

} // namespace vistello

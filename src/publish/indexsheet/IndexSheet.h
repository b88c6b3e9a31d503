#pragma once
// The canvas of one index picture: the empty sheet (background or film
// pattern), thumbnails placed centred in their cells, and writing it in the
// format its file name's extension names.
#include "imaging/scale/PixelBuffer.h"
#include "publish/indexsheet/SheetLayout.h"

#include <QString>

namespace vistello {

class PictureFileTypes;

class IndexSheet {
public:
    // The grid must have passed sheetSizeRefusal; valid() is false when the
    // buffer cannot be had.
    explicit IndexSheet(const SheetGrid& grid);

    bool valid() const { return !pixels_.empty(); }
    int width() const { return pixels_.width; }
    int height() const { return pixels_.height; }
    void clear();
    // Centred in cell (column, row); what overhangs the cell is cut off.
    void place(int column, int row, const PixelBuffer& thumbnail);
    // A new file, replaced whole; false when no format writes the name or
    // the write failed.
    // options: the format's option string (its qualities).
    bool write(const PictureFileTypes& types, const QString& path, const QString& options = {}) const;

private:
    SheetGrid grid_;
    PixelBuffer pixels_;
};

} // namespace vistello

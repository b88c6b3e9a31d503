#include "jpegmeta/info/ColourFilterGrid.h"

#include "jpegmeta/tags/CfaPatternSize.h"

namespace vistello {

std::optional<ColourFilterGrid> colourFilterGrid(const TiffBlock& block, const ExifEntry& entry)
{
    const tags::EntryValues values(block, entry);
    if (!values.shown())
        return std::nullopt;
    const tags::CfaPatternSize size = tags::cfaPatternSize(block.littleEndian(), values);
    const int64_t cells = int64_t(size.columns) * size.rows;
    if (size.columns < 1 || size.rows < 1 || cells > kMaxColourFilterCells
        || values.bytes().size() < tags::kCfaPatternHead + cells)
        return std::nullopt;
    ColourFilterGrid grid;
    grid.columns = size.columns;
    grid.rows = size.rows;
    const auto* first = reinterpret_cast<const uint8_t*>(values.bytes().constData()) + tags::kCfaPatternHead;
    grid.cells.assign(first, first + cells);
    return grid;
}

QColor colourFilterColour(uint8_t value)
{
    static const QColor kColours[] = {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta, Qt::yellow, Qt::white};
    return value < std::size(kColours) ? kColours[value] : QColor(128, 128, 128);
}

QRect colourFilterCellRect(const QRect& square, const ColourFilterGrid& grid, int row, int column)
{
    const auto edge = [](int from, int length, int parts, int i) { return from + length * i / parts; };
    const int left = edge(square.left(), square.width(), grid.columns, column);
    const int top = edge(square.top(), square.height(), grid.rows, row);
    return QRect(QPoint(left, top), QPoint(edge(square.left(), square.width(), grid.columns, column + 1) - 1,
                                          edge(square.top(), square.height(), grid.rows, row + 1) - 1));
}

} // namespace vistello

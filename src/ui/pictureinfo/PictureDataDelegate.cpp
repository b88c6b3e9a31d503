#include "ui/pictureinfo/PictureDataDelegate.h"

#include "ui/pictureinfo/OrientationPictogram.h"
#include "app/window/pictureinfo/PictureDataModel.h"

#include <QPainter>

namespace vistello {

namespace {

const QColor kGridGrey(128, 128, 128);

// Draws the text on its colour from left; returns where the text ends.
int drawText(QPainter& painter, const QRect& cell, const QString& text, QColor background)
{
    const int left = cell.left() + PictureDataDelegate::kTextMargin;
    const int width = std::min(painter.fontMetrics().horizontalAdvance(text), std::max(cell.right() - left, 0));
    const QRect box(left, cell.top(), width, cell.height() - 1);
    if (background.isValid())
        painter.fillRect(box, background);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
    return box.right() + 1;
}

void drawColourFilter(QPainter& painter, const QRect& square, const ColourFilterGrid& grid)
{
    painter.fillRect(square, kGridGrey);
    for (int r = 0; r < grid.rows; ++r)
        for (int c = 0; c < grid.columns; ++c)
            painter.fillRect(colourFilterCellRect(square.adjusted(1, 1, -1, -1), grid, r, c),
                             colourFilterColour(grid.cell(r, c)));
}

void drawExtras(QPainter& painter, const QRect& cell, int x, const PictureDataRow& row)
{
    const int side = cell.height() - 2;
    if (side < 4)
        return;
    x += PictureDataDelegate::kExtrasGap;
    for (const OrientationPictogram& pictogram : orientationPictograms(row)) {
        drawOrientationPictogram(painter, QRect(x, cell.top() + 1, side, side), pictogram.orientation,
                                 pictogram.outlined);
        x += side + 2;
    }
    if (row.colourFilter)
        drawColourFilter(painter, QRect(x, cell.top() + 1, side, side), *row.colourFilter);
}

} // namespace

void PictureDataDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const auto* model = qobject_cast<const PictureDataModel*>(index.model());
    if (!model)
        return;
    const PictureDataItem& item = model->item(index.row());
    const QRect& cell = option.rect;
    painter->save();
    painter->setClipRect(cell);
    painter->fillRect(cell, Qt::white);
    painter->setFont(option.font);
    if (item.type == PictureDataItem::Type::Title && index.column() == 0) {
        drawText(*painter, cell, item.title, QColor());
    } else if (item.type == PictureDataItem::Type::Row) {
        const PictureDataRow& row = item.row;
        const QColor colour = pictureDataRowColour(row.kind);
        const int lineY = cell.bottom() - 1;
        if (index.column() == 0) {
            const int end = drawText(*painter, cell, row.name, colour);
            painter->setPen(colour);
            painter->drawLine(end, lineY, cell.right(), lineY);
        } else {
            painter->setPen(colour);
            painter->drawLine(cell.left(), lineY, cell.right(), lineY);
            if (drawsValueBold(row)) {
                QFont bold = option.font;
                bold.setBold(true);
                painter->setFont(bold);
            }
            drawExtras(*painter, cell, drawText(*painter, cell, row.value, colour), row);
        }
    }
    painter->restore();
}

} // namespace vistello

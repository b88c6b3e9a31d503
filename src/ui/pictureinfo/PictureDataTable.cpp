#include "ui/pictureinfo/PictureDataTable.h"

#include "ui/common/FlatScrollBar.h"

#include <QHeaderView>
#include <QPainter>

namespace vistello {

PictureDataTable::PictureDataTable(QWidget* parent) : QTableView(parent)
{
    setVerticalScrollBar(new FlatScrollBar(Qt::Vertical, this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setStretchLastSection(true);
}

void PictureDataTable::setThumbnail(const QImage& image, QSize shown, int firstRow, int left)
{
    thumbnail_ = image;
    shown_ = shown;
    thumbnailRow_ = firstRow;
    thumbnailLeft_ = left;
    viewport()->update();
}

void PictureDataTable::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    if (thumbnail_.isNull() || !model() || thumbnailRow_ >= model()->rowCount())
        return;
    QPainter painter(viewport());
    const QPoint at(columnViewportPosition(1) + thumbnailLeft_, rowViewportPosition(thumbnailRow_) + 1);
    painter.drawImage(QRectF(QPointF(at), QSizeF(shown_)), thumbnail_);
}

} // namespace vistello

#include "ui/overview/OverviewDelegate.h"

#include "app/window/overview/NameLayout.h"
#include "app/window/overview/OverviewModel.h"

#include <QMouseEvent>
#include <QPainter>

namespace vistello {

namespace {

const QColor kFrameGrey(192, 192, 192);
const QColor kSelectionBlue(49, 106, 197);
const QColor kPlaceholderFrame(0, 0, 255);

void drawTile(QPainter* painter, QRect area, const QModelIndex& index)
{
    switch (OverviewModel::Tile(index.data(OverviewModel::kTileRole).toInt())) {
    case OverviewModel::Tile::Picture:
        painter->drawImage(area.topLeft(), index.data(Qt::DecorationRole).value<QImage>());
        break;
    case OverviewModel::Tile::Placeholder:
        painter->fillRect(area, Qt::white);
        painter->setPen(kPlaceholderFrame);
        painter->drawRect(area.adjusted(0, 0, -1, -1));
        break;
    case OverviewModel::Tile::Broken:
        // A grey tile with a red cross.
        painter->fillRect(area, QColor(224, 224, 224));
        painter->setPen(QPen(Qt::red, 3));
        painter->drawLine(area.adjusted(24, 24, -24, -24).topLeft(), area.adjusted(24, 24, -24, -24).bottomRight());
        painter->drawLine(area.adjusted(24, 24, -24, -24).topRight(), area.adjusted(24, 24, -24, -24).bottomLeft());
        break;
    }
}

} // namespace

QSize OverviewDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    return {OverviewItemLayout::kCellWidth, OverviewItemLayout::kCellHeight};
}

void OverviewDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const OverviewItemLayout item = overviewItemLayout(option.rect);
    const bool selected = option.state & QStyle::State_Selected;
    const QVariant check = index.data(Qt::CheckStateRole);
    painter->save();
    painter->fillRect(option.rect, option.palette.color(QPalette::Base));

    const QFontMetrics& metrics = option.fontMetrics;
    const QStringList lines = nameLines(index.data(Qt::DisplayRole).toString(), item.labelRect.width(),
                                        [&metrics](const QString& text) { return metrics.horizontalAdvance(text); });
    if (selected)
        painter->fillRect(item.labelRect, kSelectionBlue);
    painter->setPen(selected ? QColor(Qt::white) : option.palette.color(QPalette::Text));
    painter->drawText(item.labelRect, Qt::AlignHCenter | Qt::AlignTop, lines.join(QLatin1Char('\n')));
    painter->setPen(kFrameGrey);
    painter->drawLine(item.labelRect.topLeft(), item.labelRect.topRight());

    // The frame, 2 pixels thick, open on the left where the check box sits.
    const QColor frame = selected ? kSelectionBlue : kFrameGrey;
    const QRect icon = item.iconRect;
    painter->fillRect(QRect(icon.left(), icon.top(), icon.width(), 2), frame);
    painter->fillRect(QRect(icon.left(), icon.bottom() - 1, icon.width(), 2), frame);
    painter->fillRect(QRect(icon.right() - 1, icon.top(), 2, icon.height()), frame);
    if (check.isValid()) {
        painter->fillRect(QRect(icon.left(), icon.top(), 2, item.checkBox.top() - icon.top()), frame);
        painter->fillRect(QRect(icon.left(), item.checkBox.bottom() + 1, 2, icon.bottom() - item.checkBox.bottom()),
                          frame);
    } else {
        painter->fillRect(QRect(icon.left(), icon.top(), 2, icon.height()), frame);
    }
    drawTile(painter, item.tileRect, index);

    if (check.isValid()) {
        const QRect box = item.checkBox;
        painter->fillRect(box, Qt::white);
        painter->setPen(option.palette.color(QPalette::Text));
        painter->drawRect(box.adjusted(0, 0, -1, -1));
        if (check.toInt() == Qt::Checked)
            for (int j = box.bottom() - 6; j <= box.bottom() - 4; ++j)
                painter->drawPolyline(QPolygon({QPoint(box.x() + 3, j), QPoint(box.x() + 5, j + 2),
                                                QPoint(box.x() + 10, j - 3)}));
    }
    painter->restore();
}

bool OverviewDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                   const QModelIndex& index)
{
    if (event->type() != QEvent::MouseButtonRelease || !(index.flags() & Qt::ItemIsUserCheckable))
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton
        || !overviewItemLayout(option.rect).checkBox.contains(mouse->position().toPoint()))
        return false;
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    return model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

} // namespace vistello

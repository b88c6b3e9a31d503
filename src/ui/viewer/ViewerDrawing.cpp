#include "ui/viewer/ViewerDrawing.h"

#include "app/window/viewer/ButtonStrip.h"

#include <QPainter>
#include <QRegion>

namespace vistello {

// The saturating sum of the painter's Plus mode lightens in place.
void lighten(QPainter& painter, const QRegion& area)
{
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    for (const QRect& part : area)
        painter.fillRect(part, QColor(100, 100, 100));
    painter.restore();
}

QRect buttonRect(const ViewerButton& button)
{
    return QRect(button.topLeft, QSize(kButtonSize, kButtonSize));
}

QFont smallFont(const QFont& base)
{
    QFont font = base;
    font.setPixelSize(11);
    return font;
}

QImage drawButtonStrip()
{
    QImage strip(kStripCell * kStripCells, kStripCell, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const int command : stripCommands())
        painter.drawText(QRect(stripIndex(command) * kStripCell, 0, kStripCell, kStripCell), Qt::AlignCenter,
                         stripMark(command));
    return strip;
}

} // namespace vistello

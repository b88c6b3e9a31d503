#include "ui/pictureinfo/OrientationPictogram.h"

#include <QPainter>
#include <QPainterPath>

namespace vistello {

namespace {

const QColor kOutline(255, 0, 0);
const QColor kFrame(128, 128, 128);

} // namespace

QTransform orientationTransform(int orientation)
{
    // Screen coordinates grow downwards, so a positive angle turns clockwise.
    switch (orientation) {
    case 2: return QTransform(-1, 0, 0, 1, 0, 0);
    case 3: return QTransform(-1, 0, 0, -1, 0, 0);
    case 4: return QTransform(1, 0, 0, -1, 0, 0);
    case 5: return QTransform(0, 1, 1, 0, 0, 0);
    case 6: return QTransform().rotate(-90);
    case 7: return QTransform(0, -1, -1, 0, 0, 0);
    case 8: return QTransform().rotate(90);
    default: return QTransform();
    }
}

void drawOrientationPictogram(QPainter& painter, const QRect& box, int orientation, bool outlined)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(box, Qt::white);
    // The letter on a 10 x 10 grid around the origin: stem, top bar, middle bar.
    QPainterPath letter;
    letter.addRect(-3, -4, 2, 8);
    letter.addRect(-1, -4, 5, 2);
    letter.addRect(-1, -1, 3, 2);
    const qreal scale = std::min(box.width(), box.height()) / 12.0;
    QTransform place = orientationTransform(orientation) * QTransform::fromScale(scale, scale);
    place *= QTransform::fromTranslate(box.x() + box.width() / 2.0, box.y() + box.height() / 2.0);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(place.map(letter), Qt::black);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    if (outlined) {
        painter.setPen(QPen(kOutline, 2));
        painter.drawRect(box.adjusted(1, 1, -1, -1));
    } else {
        painter.setPen(QPen(kFrame, 1));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

} // namespace vistello

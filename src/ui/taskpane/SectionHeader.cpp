#include "ui/taskpane/SectionHeader.h"

#include <QMouseEvent>
#include <QPainter>

namespace vistello {

SectionHeader::SectionHeader(const QString& title, QWidget* parent)
    : QWidget(parent)
    , title_(title)
{
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(title);
}

void SectionHeader::setOpen(bool open)
{
    if (open == open_)
        return;
    open_ = open;
    update();
    Q_EMIT toggled(open_);
}

int SectionHeader::preferredHeight() const
{
    return fontMetrics().height() + 8;
}

void SectionHeader::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect().adjusted(4, 2, -4, -1), palette().color(QPalette::AlternateBase));
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(rect().adjusted(10, 0, -24, 0), Qt::AlignVCenter | Qt::AlignLeft, title_);
    // The arrow says what a click does: down to open, up to close.
    const QPoint c(width() - 14, height() / 2);
    const int d = open_ ? -1 : 1;
    const QPoint arrow[3] = {c + QPoint(-4, -2 * d), c + QPoint(4, -2 * d), c + QPoint(0, 2 * d)};
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(palette().color(QPalette::Text));
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(arrow, 3);
}

void SectionHeader::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        setOpen(!open_);
}

} // namespace vistello

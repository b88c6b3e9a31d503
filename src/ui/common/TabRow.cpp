#include "ui/common/TabRow.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QToolTip>

namespace vistello {

namespace {

const QColor kSelectedFill(255, 255, 255);
const QColor kFill(224, 224, 224);
const QColor kDisabledFill(200, 200, 200);
const QColor kHoverFill(204, 204, 255);

// Four corners: slanted sides, open at the bottom.
QPolygon outline(const QRect& tab)
{
    return QPolygon({QPoint(tab.left(), tab.bottom()), QPoint(tab.left() + 4, tab.top()),
                     QPoint(tab.right() - 4, tab.top()), QPoint(tab.right(), tab.bottom())});
}

} // namespace

TabRow::TabRow(TabRowId row, QWidget* parent) : QWidget(parent), tabs_(tabsOf(row))
{
    setObjectName(QStringLiteral("tabRow"));
    setMouseTracking(true);
}

void TabRow::setSelected(uint64_t style)
{
    selected_ = style;
    update();
}

void TabRow::setAvailability(std::function<bool(uint64_t)> available)
{
    available_ = std::move(available);
    update();
}

bool TabRow::available(size_t index) const
{
    return !available_ || available_(tabs_[index].style);
}

TabRowLayout TabRow::layoutFor(int width) const
{
    std::vector<int> widths;
    const QFontMetrics metrics(font());
    for (const TabEntry& tab : tabs_)
        widths.push_back(metrics.horizontalAdvance(QString::fromUtf16(tab.text)));
    return layoutTabs(widths, width, metrics.height() + 6);
}

int TabRow::heightForWidth(int width) const
{
    return layoutFor(width).height;
}

void TabRow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layout_ = layoutFor(width());
}

QRect TabRow::tabRect(uint64_t style) const
{
    for (size_t i = 0; i < tabs_.size() && i < layout_.tabs.size(); ++i)
        if (tabs_[i].style == style)
            return layout_.tabs[i];
    return {};
}

int TabRow::tabAt(QPoint point) const
{
    for (size_t i = 0; i < layout_.tabs.size(); ++i)
        if (layout_.tabs[i].contains(point))
            return int(i);
    return -1;
}

bool TabRow::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = tabAt(help->pos());
        if (index >= 0)
            QToolTip::showText(help->globalPos(), QString::fromUtf16(tabs_[size_t(index)].toolTip), this,
                               layout_.tabs[size_t(index)]);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void TabRow::mouseMoveEvent(QMouseEvent* event)
{
    const int index = tabAt(event->position().toPoint());
    if (index != hovered_) {
        hovered_ = index;
        update();
    }
}

void TabRow::leaveEvent(QEvent*)
{
    hovered_ = -1;
    update();
}

void TabRow::mousePressEvent(QMouseEvent* event)
{
    const int index = tabAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index >= 0 && available(size_t(index)))
        Q_EMIT styleChosen(tabs_[size_t(index)].style);
}

void TabRow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setRenderHint(QPainter::Antialiasing);
    int selected = -1;
    auto draw = [&](size_t i, const QColor& fill, const QColor& text) {
        const QRect& tab = layout_.tabs[i];
        painter.setPen(Qt::black);
        painter.setBrush(fill);
        painter.drawPolygon(outline(tab));
        painter.setPen(text);
        painter.drawText(tab, Qt::AlignCenter, QString::fromUtf16(tabs_[i].text));
    };
    for (size_t i = 0; i < layout_.tabs.size(); ++i) {
        if (tabs_[i].style == selected_) {
            selected = int(i);
            continue;
        }
        if (!available(i))
            draw(i, kDisabledFill, Qt::gray);
        else
            draw(i, int(i) == hovered_ ? kHoverFill : kFill, Qt::black);
    }
    // The selected tab last, over its neighbours.
    if (selected >= 0)
        draw(size_t(selected), kSelectedFill, Qt::black);
}

} // namespace vistello

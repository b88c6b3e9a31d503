#include "ui/taskpane/TaskListView.h"

#include "ui/taskpane/TaskIcons.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace vistello {

namespace {

constexpr int kLeftMargin = 8;
constexpr int kIconGap = 6;

} // namespace

TaskListView::TaskListView(std::span<const TaskItem> items, QWidget* parent)
    : QWidget(parent)
    , items_(items.begin(), items.end())
    , enabled_(items.size(), true)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
}

void TaskListView::setEnabledRule(std::function<bool(const TaskItem&)> rule)
{
    enabledRule_ = std::move(rule);
    refresh();
}

void TaskListView::refresh()
{
    for (size_t i = 0; i < items_.size(); ++i)
        enabled_[i] = !enabledRule_ || enabledRule_(items_[i]);
    update();
}

int TaskListView::rowHeight() const
{
    return std::max(kTaskIconSize + 4, fontMetrics().height() + 4);
}

int TaskListView::preferredHeight() const
{
    return int(items_.size()) * rowHeight() + 4;
}

bool TaskListView::itemEnabled(int row) const
{
    return row >= 0 && size_t(row) < enabled_.size() && enabled_[size_t(row)];
}

int TaskListView::rowAt(QPoint at) const
{
    if (at.y() < 2)
        return -1;
    const int row = (at.y() - 2) / rowHeight();
    return row < int(items_.size()) ? row : -1;
}

bool TaskListView::clickItem(const QString& prefix)
{
    for (size_t i = 0; i < items_.size(); ++i) {
        if (!QString::fromUtf16(items_[i].text).startsWith(prefix))
            continue;
        refresh(); // the rule of this moment decides
        if (!enabled_[i])
            return false;
        Q_EMIT commandChosen(items_[i].command);
        return true;
    }
    return false;
}

void TaskListView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int height = rowHeight();
    // The frame around the icon cell needs more than 8 bits per pixel.
    const bool frameIcons = depth() > 8;
    for (size_t i = 0; i < items_.size(); ++i) {
        const QRect row(0, 2 + int(i) * height, width(), height);
        const bool hovered = int(i) == hovered_ && enabled_[i];
        const QRect iconCell(kLeftMargin - 2, row.top() + (height - kTaskIconSize) / 2 - 2, kTaskIconSize + 4,
                             kTaskIconSize + 4);
        painter.drawPixmap(iconCell.topLeft() + QPoint(2, 2), taskIcon(items_[i].icon, hovered));
        if (hovered && frameIcons) {
            painter.setPen(palette().color(QPalette::Highlight));
            painter.drawRect(iconCell.adjusted(0, 0, -1, -1));
        }
        QFont font = this->font();
        font.setUnderline(hovered);
        painter.setFont(font);
        painter.setPen(enabled_[i] ? (hovered ? palette().color(QPalette::Highlight) : palette().color(QPalette::Text))
                                   : palette().color(QPalette::Disabled, QPalette::Text));
        const QRect textRect = row.adjusted(kLeftMargin + kTaskIconSize + kIconGap, 0, -2, 0);
        painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                         fontMetrics().elidedText(QString::fromUtf16(items_[i].text), Qt::ElideRight,
                                                  textRect.width()));
    }
}

void TaskListView::mouseMoveEvent(QMouseEvent* event)
{
    const int row = rowAt(event->position().toPoint());
    if (row != hovered_) {
        hovered_ = row;
        setCursor(itemEnabled(row) ? Qt::PointingHandCursor : Qt::ArrowCursor);
        update();
    }
}

void TaskListView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int row = rowAt(event->position().toPoint());
    if (!itemEnabled(row))
        return;
    refresh();
    if (itemEnabled(row))
        Q_EMIT commandChosen(items_[size_t(row)].command);
}

void TaskListView::leaveEvent(QEvent* event)
{
    hovered_ = -1;
    update();
    QWidget::leaveEvent(event);
}

bool TaskListView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int row = rowAt(help->pos());
        if (row >= 0)
            QToolTip::showText(help->globalPos(), QString::fromUtf16(items_[size_t(row)].text), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

} // namespace vistello

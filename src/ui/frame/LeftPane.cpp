#include "ui/frame/LeftPane.h"

#include "app/window/frame/WindowLayout.h"
#include "ui/common/PlaceholderPage.h"

#include <QMouseEvent>
#include <QPainter>

namespace vistello {

LeftPane::LeftPane(QWidget* parent)
    : QWidget(parent)
    , line_(new QWidget(parent))
    , header_(new PlaceholderPage(QStringLiteral("Folders"), this))
    , tree_(new PlaceholderPage(QStringLiteral("Folder tree"), this))
    , tasks_(new PlaceholderPage(QStringLiteral("Task pane"), this))
{
    setObjectName(QStringLiteral("leftPane"));
    tree_->setObjectName(QStringLiteral("folderTree"));
    tree_->setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    line_->setObjectName(QStringLiteral("dragLine"));
    line_->setAutoFillBackground(true);
    QPalette palette = line_->palette();
    palette.setColor(QPalette::Window, Qt::darkGray);
    line_->setPalette(palette);
    line_->hide();
}

void LeftPane::setFolderTree(QWidget* tree)
{
    delete tree_;
    tree_ = tree;
    tree_->setParent(this);
    arrange();
    tree_->show();
}

void LeftPane::setTaskPane(QWidget* tasks)
{
    delete tasks_;
    tasks_ = tasks;
    tasks_->setParent(this);
    arrange();
    tasks_->show();
}

void LeftPane::setGeometryInfo(const PaneGeometry& pane)
{
    pane_ = pane;
    arrange();
}

void LeftPane::setShowSplitLines(bool on)
{
    showSplitLines_ = on;
    update();
}

void LeftPane::arrange()
{
    const PaneParts parts = layoutPane({pane_.width, pane_.height}, pane_.split, pane_.fontHeight);
    header_->setGeometry(parts.folderHeader);
    tree_->setGeometry(parts.folderTree);
    tasks_->setGeometry(parts.taskPane);
    update();
}

QPoint LeftPane::clientPoint(QMouseEvent* event) const
{
    return mapToParent(event->position().toPoint());
}

void LeftPane::placeLine(int at)
{
    lineAt_ = at;
    if (drag_ == Drag::Width)
        line_->setGeometry(at, pane_.top, 2, pane_.height);
    else
        line_->setGeometry(0, at, pane_.width, 2);
    line_->raise();
    line_->show();
}

void LeftPane::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = clientPoint(event);
    if (startsWidthDrag(pane_, point)) {
        drag_ = Drag::Width;
        placeLine(widthDragLine(pane_, point.x()));
    } else if (startsSplitDrag(pane_, point)) {
        drag_ = Drag::Split;
        placeLine(splitDragLine(pane_, point.y()));
    }
}

void LeftPane::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = clientPoint(event);
    switch (drag_) {
    case Drag::Width: placeLine(widthDragLine(pane_, point.x())); return;
    case Drag::Split: placeLine(splitDragLine(pane_, point.y())); return;
    case Drag::None: break;
    }
    if (startsWidthDrag(pane_, point))
        setCursor(Qt::SizeHorCursor);
    else if (startsSplitDrag(pane_, point))
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
}

void LeftPane::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || drag_ == Drag::None)
        return;
    const Drag finished = drag_;
    cancelDrag();
    if (finished == Drag::Width)
        Q_EMIT paneWidthDropped(lineAt_);
    else
        Q_EMIT splitDropped(splitAfterDrag(pane_, lineAt_));
}

void LeftPane::cancelDrag()
{
    drag_ = Drag::None;
    line_->hide();
}

void LeftPane::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor background = palette().color(QPalette::Base);
    painter.fillRect(rect(), background);
    if (!showSplitLines_)
        return;
    const PaneParts parts = layoutPane({pane_.width, pane_.height}, pane_.split, pane_.fontHeight);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(width() - 3, 0, width() - 3, height());
    painter.drawLine(10, parts.splitLineY, width() - 10, parts.splitLineY);
}

} // namespace vistello

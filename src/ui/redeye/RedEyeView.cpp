#include "ui/redeye/RedEyeView.h"

#include "app/window/redeye/RedEyeSession.h"
#include "imaging/colour/ColourTransform.h"
#include "imaging/colour/DisplayProfile.h"
#include "ui/common/FlatScrollBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cstring>

namespace vistello {

namespace {

constexpr int kBar = FlatScrollBar::Thickness;

} // namespace

RedEyeView::RedEyeView(RedEyeSession& session, QWidget* parent)
    : QWidget(parent),
      session_(session),
      horizontal_(new FlatScrollBar(Qt::Horizontal, this)),
      vertical_(new FlatScrollBar(Qt::Vertical, this)),
      autoScroll_(new QTimer(this))
{
    setObjectName(QStringLiteral("redEyeView"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (FlatScrollBar* bar : {horizontal_, vertical_}) {
        bar->setSingleStep(kRedEyeScrollLine);
        bar->setTracking(true);
        connect(bar, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    }
    autoScroll_->setInterval(kRedEyeScrollMs);
    connect(autoScroll_, &QTimer::timeout, this, &RedEyeView::autoScrollTick);
}

QSize RedEyeView::clientSize() const
{
    return {std::max(0, width() - kBar), std::max(0, height() - kBar)};
}

QPoint RedEyeView::scrollPosition() const
{
    return {horizontal_->value(), vertical_->value()};
}

QPoint RedEyeView::toPicture(QPoint client) const
{
    return client + scrollPosition();
}

void RedEyeView::pictureChanged()
{
    updateScrollBars();
    update();
}

void RedEyeView::updateScrollBars()
{
    const QSize client = clientSize();
    const int w = session_.picture().width();
    const int h = session_.picture().height();
    // Growing the view never leaves space beyond the picture.
    horizontal_->setRange(0, std::max(0, w - client.width()));
    vertical_->setRange(0, std::max(0, h - client.height()));
    horizontal_->setPageStep(std::max(1, client.width()));
    vertical_->setPageStep(std::max(1, client.height()));
    horizontal_->setGeometry(0, client.height(), client.width(), kBar);
    vertical_->setGeometry(client.width(), 0, kBar, client.height());
}

void RedEyeView::resizeEvent(QResizeEvent* /*event*/)
{
    updateScrollBars();
}

void RedEyeView::paintEvent(QPaintEvent* /*event*/)
{
    const QSize client = clientSize();
    QImage frame(client.isEmpty() ? QSize(1, 1) : client, QImage::Format_RGB888);
    frame.fill(Qt::white);
    const PixelBuffer& edited = session_.picture().edited();
    const QPoint scroll = scrollPosition();
    const int columns = std::clamp(edited.width - scroll.x(), 0, client.width());
    const int rows = std::clamp(edited.height - scroll.y(), 0, client.height());
    const std::shared_ptr<const ColourTransform> display = currentDisplayTransform();
    for (int y = 0; y < rows && !edited.empty(); ++y) {
        uchar* line = frame.scanLine(y);
        std::memcpy(line, edited.data.get() + std::size_t(y + scroll.y()) * edited.rowBytes() + std::size_t(scroll.x()) * 3,
                    std::size_t(columns) * 3);
        if (display)
            display->transformRow(line, columns);
    }
    const RedEyeRect& r = session_.selection();
    QPainter painter(&frame);
    if (!r.empty()) {
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        const QRect outline(r.left - scroll.x(), r.top - scroll.y(), r.width(), r.height());
        painter.drawRect(outline.adjusted(0, 0, -1, -1));
        painter.setPen(QPen(Qt::white, 1));
        painter.drawEllipse(outline.adjusted(0, 0, -1, -1));
    }
    painter.end();
    QPainter screen(this);
    screen.drawImage(0, 0, frame);
    screen.fillRect(QRect(client.width(), client.height(), kBar, kBar), palette().window());
}

void RedEyeView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !session_.active())
        return;
    pointer_ = event->position().toPoint();
    session_.press(toPicture(pointer_));
    update();
}

void RedEyeView::mouseMoveEvent(QMouseEvent* event)
{
    pointer_ = event->position().toPoint();
    const QSize client = clientSize();
    if (!session_.dragging()) {
        setCursor(cursorAt(session_.selection(), toPicture(pointer_)));
        return;
    }
    if (inAutoScrollBand(pointer_, client)) {
        if (!autoScroll_->isActive())
            autoScroll_->start();
    } else {
        autoScroll_->stop();
    }
    if (!QRect(QPoint(0, 0), client).contains(pointer_))
        return;
    if (session_.move(toPicture(pointer_)))
        update();
}

void RedEyeView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !session_.dragging())
        return;
    autoScroll_->stop();
    session_.release();
    update();
    Q_EMIT selectionFinished();
}

void RedEyeView::autoScrollTick()
{
    const QPoint step = autoScrollStep(pointer_, clientSize());
    horizontal_->setValue(horizontal_->value() + step.x() * kRedEyeScrollLine);
    vertical_->setValue(vertical_->value() + step.y() * kRedEyeScrollLine);
}

} // namespace vistello

#include "ui/overview/HoverPreview.h"

#include "app/window/overview/HoverPreviewSteps.h"
#include "app/window/viewer/DevicePixels.h"

#include <QPainter>
#include <QTimerEvent>

namespace vistello {

using Steps = HoverPreviewSteps;

namespace {

// The preview decoded at device pixels takes the size it has at scale 1.
QSize logicalPreview(QSize decoded, qreal ratio)
{
    return renderingLogical(decoded, QSize(Steps::kBox, Steps::kBox), ratio, false);
}

} // namespace

HoverPreview::HoverPreview(QWidget* parent) : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("hoverPreview"));
    // The pointer stays with the list below.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    decoder_.setCacheCapacity(1);
}

void HoverPreview::start(const QString& path, QPoint centre, const QRect& bounds)
{
    path_ = path;
    centre_ = centre;
    bounds_ = bounds;
    tick_ = 0;
    preview_ = QImage();
    hide();
    timer_.start(Steps::kTickMs, this);
}

void HoverPreview::stop()
{
    timer_.stop();
    hide();
    preview_ = QImage();
}

void HoverPreview::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != timer_.timerId())
        return QWidget::timerEvent(event);
    ++tick_;
    if (tick_ < Steps::kDecodeTick)
        return;
    const qreal ratio = devicePixelRatioF();
    if (tick_ == Steps::kDecodeTick) {
        const QSize box = toDevice(QSize(Steps::kBox, Steps::kBox), ratio); // sharp on scaled screens
        decoder_.setBox(box.width(), box.height());
        if (!decoder_.loadThumbnail(path_) || !Steps::worthShowing(logicalPreview(decoder_.image().size(), ratio))) {
            stop();
            return;
        }
        preview_ = decoder_.image();
    }
    const QSize logical = logicalPreview(preview_.size(), ratio);
    const int limit = std::max(logical.width(), logical.height());
    const int side = Steps::side(tick_, limit);
    setGeometry(Steps::place(centre_, side, bounds_));
    show();
    update();
    if (side >= limit)
        timer_.stop();
}

void HoverPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    if (preview_.isNull())
        return;
    QRectF fitted(QPointF(), QSizeF(preview_.size()).scaled(QSizeF(size()), Qt::KeepAspectRatio));
    fitted.moveCenter(QRectF(rect()).center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(fitted, preview_);
}

} // namespace vistello

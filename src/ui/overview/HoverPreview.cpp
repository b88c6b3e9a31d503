#include "ui/overview/HoverPreview.h"

#include "app/window/overview/HoverPreviewSteps.h"

#include <QPainter>
#include <QTimerEvent>

namespace vistello {

using Steps = HoverPreviewSteps;

HoverPreview::HoverPreview(QWidget* parent) : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("hoverPreview"));
    // The pointer stays with the list below.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    decoder_.setBox(Steps::kBox, Steps::kBox);
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
    if (tick_ == Steps::kDecodeTick) {
        if (!decoder_.loadThumbnail(path_) || !Steps::worthShowing(decoder_.image().size())) {
            stop();
            return;
        }
        preview_ = decoder_.image();
    }
    const int limit = std::max(preview_.width(), preview_.height());
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
    QRect fitted(QPoint(), preview_.size().scaled(size(), Qt::KeepAspectRatio));
    fitted.moveCenter(rect().center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(fitted, preview_);
}

} // namespace vistello

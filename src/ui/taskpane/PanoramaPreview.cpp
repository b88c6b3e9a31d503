#include "ui/taskpane/PanoramaPreview.h"

#include <QPainter>

namespace vistello {

PanoramaPreview::PanoramaPreview(QWidget* parent)
    : QWidget(parent)
{
    setFixedHeight(kHeight);
    setObjectName(QStringLiteral("panoramaPreview"));
}

void PanoramaPreview::showPicture(const QImage& thumbnail, int pictureWidth)
{
    thumbnail_ = thumbnail;
    pictureWidth_ = pictureWidth;
    place();
}

void PanoramaPreview::showPlan(const PanoramaPlan& plan)
{
    plan_ = plan;
    place();
}

void PanoramaPreview::resizeEvent(QResizeEvent*)
{
    place();
}

void PanoramaPreview::place()
{
    pictureRect_ = {};
    cuts_.clear();
    if (thumbnail_.isNull() || pictureWidth_ <= 0 || width() <= 0) {
        update();
        return;
    }
    const QSize shown = thumbnail_.size().scaled(size(), Qt::KeepAspectRatio);
    pictureRect_ = QRect(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
    const double scale = double(shown.width()) / pictureWidth_;
    for (const PanoramaSegment& segment : plan_.segments) {
        if (segment.number > 1)
            cuts_.push_back(pictureRect_.left() + int(segment.x * scale));
        cuts_.push_back(pictureRect_.left() + int((segment.x + segment.width) * scale) - 1);
    }
    update();
}

void PanoramaPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    if (pictureRect_.isEmpty())
        return;
    painter.drawImage(pictureRect_, thumbnail_);
    // Starts and ends apart show the overlap between neighbours.
    painter.setPen(QPen(Qt::red, 1));
    for (const int x : cuts_)
        painter.drawLine(x, pictureRect_.top(), x, pictureRect_.bottom());
}

} // namespace vistello

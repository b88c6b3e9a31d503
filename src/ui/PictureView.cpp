#include "ui/PictureView.h"

#include <QMouseEvent>
#include <QPainter>

namespace vistello {

PictureView::PictureView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pictureView"));
    picture_.setAllowEnlarge(false);
    picture_.setCacheCapacity(4);
}

void PictureView::showPicture(const QString& path)
{
    path_ = path;
    decode();
}

void PictureView::setBackground(QColor colour)
{
    background_ = colour;
    picture_.setBackgroundColour(colour.rgb());
    update();
}

void PictureView::decode()
{
    shown_ = QImage();
    failure_.clear();
    if (!path_.isEmpty() && width() > 0 && height() > 0) {
        picture_.setBox(width(), height());
        if (picture_.load(path_))
            shown_ = picture_.image();
        else
            failure_ = picture_.failureText();
    }
    update();
}

void PictureView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    decode();
}

void PictureView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
}

void PictureView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    if (!shown_.isNull()) {
        const QPoint origin((width() - shown_.width()) / 2, (height() - shown_.height()) / 2);
        painter.drawImage(origin, shown_);
    } else if (!failure_.isEmpty()) {
        painter.setPen(background_.lightness() < 128 ? Qt::white : Qt::black);
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, failure_);
    }
}

} // namespace vistello

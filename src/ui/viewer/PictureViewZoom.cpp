// The viewer's zoom mode: the picture decoded at the level's scale, moved
// by keys, buttons and the hand, with the navigator inset.
#include "ui/viewer/PictureView.h"

#include "imaging/scale/ScaleAreaAverage.h"
#include "ui/common/FlatScrollBar.h"

#include <QGuiApplication>
#include <QPainter>

namespace vistello {

void PictureView::toggleZoom()
{
    if (zoomOn_) {
        zoomOn_ = false;
        zoomPicture_.reset();
        zoomed_ = navigatorImage_ = QImage();
        unsetCursor();
        placePanoramaBar();
        relayout();
        return;
    }
    if (!pictureOk())
        return;
    zoomOn_ = true;
    zoom_ = {};
    zoomPicture_ = std::make_unique<DecodedPicture>();
    zoomPicture_->setBox(0, 0); // no box: the file's size at the level's scale
    zoomPicture_->setCacheCapacity(0);
    zoomPicture_->setAutoRotate(settings_.autoRotate);
    panoramaTimer_.stop();
    placePanoramaBar();
    loadZoom();
}

void PictureView::loadZoom()
{
    // The decoder scales while decoding (libjpeg's N/8), so no full-size
    // copy is enlarged afterwards.
    zoomPicture_->setScale(zoom_.scaleNum(), ZoomView::scaleDenom());
    zoomPicture_->setBackgroundColour(background_.rgb());
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool loaded = !path_.isEmpty() && zoomPicture_->load(path_);
    QGuiApplication::restoreOverrideCursor();
    if (!loaded) {
        toggleZoom(); // nothing to zoom into: back to the normal view
        return;
    }
    zoomed_ = zoomPicture_->image();
    zoomFullSize_ = QSize(zoomPicture_->fileWidth(), zoomPicture_->fileHeight());
    if (zoomPicture_->orientation() > 4)
        zoomFullSize_.transpose();
    navigator_ = navigatorFor(zoomFullSize_);
    if (navigatorImage_.isNull() && zoomed_.width() > 0)
        navigatorImage_ = scaleAreaAverage(zoomed_, navigator_.size.width(), zoomed_.width()).value_or(QImage());
    zoom_.clamp(zoomed_.size(), size());
    relayout();
}

void PictureView::zoomIn()
{
    if (!zoomOn_ || !zoom_.canZoomIn())
        return;
    zoom_.zoomIn(zoomed_.size(), size());
    loadZoom();
}

void PictureView::zoomOut()
{
    if (!zoomOn_ || !zoom_.canZoomOut())
        return;
    zoom_.zoomOut(zoomed_.size(), size());
    loadZoom();
}

void PictureView::moveZoomed(QPoint delta)
{
    if (!zoomOn_)
        return;
    zoom_.offset += delta;
    zoom_.clamp(zoomed_.size(), size());
    update();
}

void PictureView::paintZoom(QPainter& painter)
{
    painter.drawImage(zoom_.offset, zoomed_);
    const QRect inset(QPoint(0, 0), navigator_.size);
    painter.drawImage(inset.topLeft(), navigatorImage_);
    painter.setPen(Qt::black);
    painter.drawRect(inset.adjusted(-1, -1, 1, 1));
    const QRect mark = navigatorMark(navigator_, zoomFullSize_, zoomed_.size(), zoom_.offset, size());
    painter.setPen(Qt::white);
    painter.drawRect(mark);
    painter.setPen(Qt::black);
    painter.drawRect(mark.adjusted(-1, -1, 1, 1));
    paintRow(painter);
    painter.setPen(settings_.textColour);
    painter.drawText(QRect(zoomLabelAt(width(), height()), QSize(60, 16)), Qt::AlignLeft | Qt::AlignTop, zoomLabel());
}

QString PictureView::zoomLabel() const
{
    return zoomOn_ ? QStringLiteral(" %1% ").arg(zoom_.percent()) : QString();
}

} // namespace vistello

// The viewer's zoom mode: the picture at the level's scale, moved by keys,
// buttons and the hand, with the navigator inset. A JPEG is decoded in tiles
// of what is shown, so that any size of picture zooms in screen-sized memory;
// other formats decode whole at the level's scale.
#include "ui/viewer/PictureView.h"

#include "app/window/viewer/DevicePixels.h"
#include "app/window/viewer/ZoomTiles.h"
#include "imaging/colour/DisplayProfile.h"
#include "ui/common/FlatScrollBar.h"

#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vistello {

namespace {

constexpr int kTileMargin = 1; // tiles around the view, ready for panning

} // namespace

void PictureView::toggleZoom()
{
    if (zoomOn_) {
        zoomOn_ = false;
        zoomPicture_.reset();
        zoomSource_.reset();
        zoomTiles_.clear();
        zoomShown_.clear();
        zoomed_ = navigatorImage_ = QImage();
        unsetCursor();
        placePanoramaBar();
        relayout();
        return;
    }
    if (!pictureOk())
        return;
    zoomOn_ = true;
    zoomClock_.start();
    zoom_ = {};
    panoramaTimer_.stop();
    placePanoramaBar();
    startZoomedPicture();
    loadZoom();
}

void PictureView::startZoomedPicture()
{
    zoomTiles_.clear();
    zoomShown_.clear();
    zoomed_ = navigatorImage_ = QImage();
    zoomPicture_.reset();
    zoomSource_ = regionSourceOf(path_, settings_.autoRotate);
    if (!zoomSource_) {
        zoomPicture_ = std::make_unique<DecodedPicture>();
        zoomPicture_->setBox(0, 0); // no box: the file's size at the level's scale
        zoomPicture_->setCacheCapacity(0);
        zoomPicture_->setAutoRotate(settings_.autoRotate);
    }
}

int PictureView::zoomTileScale() const
{
    // Tiles at the screen's device pixels, as far as the library enlarges (16/8).
    if (!zoomSource_)
        return zoom_.scaleNum();
    return std::clamp(int(std::lround(zoom_.scaleNum() * devicePixelRatioF())), 1, 16);
}

QSize PictureView::zoomedDevice() const
{
    return zoomSource_ ? zoomSource_->uprightAt(zoomTileScale()) : zoomed_.size();
}

QSize PictureView::zoomedLogical() const
{
    return zoomSource_ ? zoomSource_->uprightAt(zoom_.scaleNum()) : zoomed_.size();
}

void PictureView::loadZoom()
{
    if (zoomSource_) {
        zoomFullSize_ = zoomSource_->uprightAt(ZoomView::scaleDenom());
    } else {
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
    }
    navigator_ = navigatorFor(zoomFullSize_);
    if (navigatorImage_.isNull() && !shown_.isNull() && !navigator_.size.isEmpty())
        navigatorImage_ = shown_.scaled(toDevice(navigator_.size, devicePixelRatioF()), Qt::IgnoreAspectRatio,
                                        Qt::SmoothTransformation);
    zoom_.clamp(zoomedLogical(), size());
    fillZoomTiles();
    relayout();
}

void PictureView::fillZoomTiles()
{
    zoomShown_.clear();
    if (!zoomOn_)
        return;
    const QSize zoomed = zoomedDevice();
    const int scale = zoomTileScale();
    const QRect visible = visibleZoomed(zoom_.offset, size(), zoomed, double(scale) / zoom_.scaleNum());
    if (!zoomSource_) {
        zoomShown_.push_back({QRect(QPoint(0, 0), zoomed), zoomed_});
        return;
    }
    const int level = scale; // tiles of one scale share a key space
    std::vector<ZoomTile> missing;
    for (const ZoomTile& tile : ZoomTiles::covering(level, zoomed, visible, kTileMargin))
        if (!zoomTiles_.contains(TileCache::keyOf(level, tile.column, tile.row)))
            missing.push_back(tile);
    if (!missing.empty()) {
        // One pass over the file for every missing tile.
        const QRect region = ZoomTiles::bounds(missing, zoomed);
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const std::optional<QImage> decoded =
            loadRegion({path_, scale, region, true, currentDisplayTransform()}, *zoomSource_);
        QGuiApplication::restoreOverrideCursor();
        if (decoded) {
            const qreal ratio = double(scale) / zoom_.scaleNum();
            for (const ZoomTile& tile : missing) {
                QImage part = decoded->copy(ZoomTiles::rectOf(tile, zoomed).translated(-region.topLeft()));
                part.setDevicePixelRatio(ratio); // its own copy: no further one
                zoomTiles_.store(TileCache::keyOf(level, tile.column, tile.row), part);
            }
        }
    }
    for (const ZoomTile& tile : ZoomTiles::covering(level, zoomed, visible, 0)) {
        const QImage image = zoomTiles_.find(TileCache::keyOf(level, tile.column, tile.row));
        if (!image.isNull())
            zoomShown_.push_back({ZoomTiles::rectOf(tile, zoomed), image});
    }
}

void PictureView::zoomIn()
{
    if (!zoomOn_ || !zoom_.canZoomIn())
        return;
    zoom_.zoomIn(zoomedLogical(), size());
    loadZoom();
}

void PictureView::zoomOut()
{
    if (!zoomOn_ || !zoom_.canZoomOut())
        return;
    zoom_.zoomOut(zoomedLogical(), size());
    loadZoom();
}

void PictureView::moveZoomed(QPoint delta)
{
    if (!zoomOn_)
        return;
    zoom_.offset += delta;
    zoom_.clamp(zoomedLogical(), size());
    fillZoomTiles();
    update();
}

void PictureView::paintZoom(QPainter& painter)
{
    const qreal ratio = double(zoomTileScale()) / zoom_.scaleNum();
    for (const auto& [rect, tile] : zoomShown_)
        painter.drawImage(QPointF(zoom_.offset) + QPointF(rect.topLeft()) / ratio, tile); // at the tile's ratio
    const QRect inset(QPoint(0, 0), navigator_.size);
    painter.drawImage(QRectF(inset), navigatorImage_);
    painter.setPen(Qt::black);
    painter.drawRect(inset.adjusted(-1, -1, 1, 1));
    const QRect mark = navigatorMark(navigator_, zoomFullSize_, zoomedLogical(), zoom_.offset, size());
    painter.setPen(Qt::white);
    painter.drawRect(mark);
    painter.setPen(Qt::black);
    painter.drawRect(mark.adjusted(-1, -1, 1, 1));
    paintRow(painter);
    painter.setPen(settings_.textColour);
    painter.drawText(QRect(zoomLabelAt(width(), height()), QSize(60, 16)), Qt::AlignLeft | Qt::AlignTop, zoomLabel());
    if (zoomClock_.isValid())
        lastZoomToPaintMs_ = double(zoomClock_.nsecsElapsed()) / 1e6;
    zoomClock_.invalidate();
}

QString PictureView::zoomLabel() const
{
    return zoomOn_ ? QStringLiteral(" %1% ").arg(zoom_.percent()) : QString();
}

} // namespace vistello

// Panorama mode: the scroll bar and the automatic scrolling, and for a JPEG
// panorama too long to hold whole, the tiles of the part on screen decoded at
// the library's scale just above the fitted one and scaled to the rendering.
#include "ui/viewer/PictureView.h"

#include "app/window/viewer/DevicePixels.h"
#include "app/window/viewer/Panorama.h"
#include "imaging/colour/DisplayProfile.h"
#include "ui/common/FlatScrollBar.h"

#include <QGuiApplication>
#include <QPainter>
#include <cmath>

namespace vistello {

namespace {

constexpr int kTileMargin = 1; // tiles each side of the view, ready for scrolling

} // namespace

QSize PictureView::panoramaRendering() const
{
    return panoramaSource_ ? panoramaRendering_ : shown_.size();
}

void PictureView::placePanoramaBar()
{
    if (!panorama_ || !pictureOk() || zoomOn_) {
        panoramaBar_->hide();
        return;
    }
    const QSize logical = renderingLogical(panoramaRendering(), size(), devicePixelRatioF(), true);
    const PanoramaBar bar = panoramaBar(size(), logical, FlatScrollBar::Thickness);
    const QSignalBlocker quiet(panoramaBar_);
    panoramaBar_->setOrientation(bar.horizontal ? Qt::Horizontal : Qt::Vertical);
    panoramaBar_->setRange(0, bar.range);
    panoramaBar_->setPageStep(bar.pageStep);
    panoramaBar_->setValue(panoramaPosition_);
    panoramaBar_->setEnabled(bar.enabled);
    panoramaBar_->setGeometry(bar.rect);
    panoramaBar_->show();
}

void PictureView::panoramaTick()
{
    const int before = panoramaBar_->value();
    panoramaBar_->setValue(before + panoramaStep(settings_.panoramaSpeed));
    if (panoramaBar_->value() == before) {
        panoramaTimer_.stop(); // the end is reached
        return;
    }
    Q_EMIT scrolled();
}

void PictureView::panoramaScrolledByHand()
{
    panoramaTimer_.stop();
    Q_EMIT scrolled();
}

std::optional<RegionSource> PictureView::tiledPanoramaSource(const QString& path, QSize box) const
{
    std::optional<RegionSource> source = regionSourceOf(path, settings_.autoRotate);
    if (!source || !isPanorama(source->uprightAt(8)))
        return std::nullopt; // other formats decode whole
    if (!PanoramaTiles::tiled(PanoramaTiles::fittedRendering(source->uprightAt(8), box), box, panoramaScreens_))
        return std::nullopt;
    return source;
}

bool PictureView::startTiledPanorama(QSize box)
{
    panoramaSource_.reset();
    panoramaTiles_.clear();
    panoramaShown_.clear();
    if (!panorama_ || panoramaWhole_)
        return false;
    panoramaSource_ = tiledPanoramaSource(path_, box);
    if (panoramaSource_)
        panoramaRendering_ = PanoramaTiles::fittedRendering(panoramaSource_->uprightAt(8), box);
    return panoramaSource_.has_value();
}

void PictureView::fillPanoramaTiles()
{
    panoramaShown_.clear();
    if (!panoramaSource_ || cropOn_ || zoomOn_ || drawnRect_.isEmpty())
        return;
    const QSize rendering = panoramaRendering_;
    const bool wide = rendering.width() > rendering.height();
    // Rendering pixels per logical one along the long side.
    const double along = wide ? double(rendering.width()) / drawnRect_.width()
                              : double(rendering.height()) / drawnRect_.height();
    const int start = int(std::floor(panoramaPosition_ * along));
    const int length = int(std::ceil((wide ? width() : height()) * along)) + 1;
    const QSize upright = panoramaSource_->uprightAt(8);
    const int scale = PanoramaTiles::decodeScale(upright, rendering);
    const QSize decoded = panoramaSource_->uprightAt(scale);
    QRect wanted;
    std::vector<int> missing;
    for (int index : PanoramaTiles::covering(rendering, start, length, kTileMargin))
        if (!panoramaTiles_.contains(TileCache::keyOf(scale, index, 0))) {
            missing.push_back(index);
            wanted |= PanoramaTiles::rectOf(index, rendering);
        }
    if (!missing.empty()) {
        // One pass over the file for every missing tile.
        const QRect region = PanoramaTiles::sourceOf(wanted, rendering, decoded);
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const std::optional<QImage> part =
            loadRegion({path_, scale, region, true, currentDisplayTransform()}, *panoramaSource_);
        QGuiApplication::restoreOverrideCursor();
        if (part) {
            const double sx = double(decoded.width()) / rendering.width();
            const double sy = double(decoded.height()) / rendering.height();
            for (int index : missing) {
                // The exact source rectangle, so that the tiles meet without a seam.
                const QRect rect = PanoramaTiles::rectOf(index, rendering);
                const QRectF from(rect.x() * sx - region.x(), rect.y() * sy - region.y(), rect.width() * sx,
                                  rect.height() * sy);
                QImage tile(rect.size(), QImage::Format_RGB32);
                tile.fill(background_);
                QPainter painter(&tile);
                painter.setRenderHint(QPainter::SmoothPixmapTransform);
                painter.drawImage(QRectF(QPointF(0, 0), QSizeF(rect.size())), *part, from);
                painter.end();
                tile.setDevicePixelRatio(along);
                panoramaTiles_.store(TileCache::keyOf(scale, index, 0), tile);
            }
        }
    }
    for (int index : PanoramaTiles::covering(rendering, start, length, 0)) {
        const QImage tile = panoramaTiles_.find(TileCache::keyOf(scale, index, 0));
        if (!tile.isNull())
            panoramaShown_.push_back({PanoramaTiles::rectOf(index, rendering), tile});
    }
}

void PictureView::paintPanoramaTiles(QPainter& painter) const
{
    const double fx = double(panoramaRendering_.width()) / drawnRect_.width();
    const double fy = double(panoramaRendering_.height()) / drawnRect_.height();
    for (const auto& [rect, tile] : panoramaShown_) {
        const QRectF target(drawnRect_.x() + rect.x() / fx, drawnRect_.y() + rect.y() / fy, rect.width() / fx,
                            rect.height() / fy);
        painter.drawImage(target, tile);
    }
}

} // namespace vistello

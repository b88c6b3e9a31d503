// The viewer's press on the picture: its file dragged out of the viewer, or
// with Shift a band whose colours are measured; and its context menu.
#include "ui/viewer/PictureView.h"

#include "app/window/taskpane/FormatOptions.h"
#include "core/filetypes/PictureFileTypes.h"
#include "ui/common/FileDrag.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace vistello {

namespace {

constexpr int kDragFeedbackSide = 96;

// The band in the rendering's pixels; the rendering may be drawn scaled.
QRect bandInImage(QRect band, QRect drawn, QSize image)
{
    const QRect local = band.translated(-drawn.topLeft());
    if (drawn.size() == image || drawn.isEmpty())
        return local;
    const auto mapX = [&](int x) { return int(int64_t(x) * image.width() / drawn.width()); };
    const auto mapY = [&](int y) { return int(int64_t(y) * image.height() / drawn.height()); };
    const QPoint topLeft(mapX(local.left()), mapY(local.top()));
    return QRect(topLeft, QPoint(mapX(local.left() + local.width()), mapY(local.top() + local.height())) - QPoint(1, 1));
}

} // namespace

void PictureView::beginPictureDrag(QPoint at)
{
    if (count_ == 0 || path_.isEmpty() || panorama_ || zoomOn_)
        return;
    pictureDrag_ = ViewerDrag::Pending;
    pressedAt_ = at;
}

bool PictureView::movePictureDrag(const QMouseEvent& event)
{
    if (pictureDrag_ == ViewerDrag::None)
        return false;
    if (!event.buttons().testFlag(Qt::LeftButton)) { // the release went elsewhere
        pictureDrag_ = ViewerDrag::None;
        measureBand_ = QRect();
        update();
        return true;
    }
    const QPoint at = event.position().toPoint();
    pictureDrag_ = dragAfterMove(pictureDrag_, pressedAt_, at, viewerDragThreshold(QApplication::startDragDistance()),
                                 event.modifiers().testFlag(Qt::ShiftModifier));
    if (pictureDrag_ == ViewerDrag::File) {
        pictureDrag_ = ViewerDrag::None;
        const QImage feedback = shown_.isNull()
            ? QImage()
            : shown_.scaled(kDragFeedbackSide, kDragFeedbackSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        startFileDrag(this, {path_}, QPixmap::fromImage(feedback));
    } else if (pictureDrag_ == ViewerDrag::Measuring) {
        measureBand_ = measureBand(pressedAt_, at, drawnRect_);
        update();
    }
    return true;
}

void PictureView::endPictureDrag(const QMouseEvent& event)
{
    const bool measuring = pictureDrag_ == ViewerDrag::Measuring;
    pictureDrag_ = ViewerDrag::None;
    if (!measuring)
        return;
    const QRect band = measureBand(pressedAt_, event.position().toPoint(), drawnRect_);
    measureBand_ = QRect();
    update();
    if (!event.modifiers().testFlag(Qt::ShiftModifier) || band.isEmpty() || shown_.isNull())
        return;
    if (const std::optional<ColourAverages> averages = averageColours(shown_, bandInImage(band, drawnRect_, shown_.size())))
        Q_EMIT coloursMeasured(*averages);
}

void PictureView::paintMeasureBand(QPainter& painter) const
{
    if (measureBand_.isEmpty())
        return;
    painter.setClipping(false);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(measureBand_.adjusted(0, 0, -1, -1));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void PictureView::contextMenuEvent(QContextMenuEvent* event)
{
    const PictureFileType* type = PictureFileTypes::instance().typeOf(path_);
    const bool hasSettings = type && formatHasSettingsDialog(PictureFileTypes::instance(), type->formatName);
    const std::vector<ViewerMenuEntry> entries = viewerMenu({zoomOn_, false, false, pictureOk(), hasSettings});
    if (entries.empty())
        return;
    unsetCursor(); // the pointer shows while the menu is open
    QMenu menu(this);
    for (const ViewerMenuEntry& entry : entries) {
        QAction* action = menu.addAction(entry.text);
        action->setEnabled(entry.enabled);
        action->setData(entry.command);
    }
    if (const QAction* chosen = menu.exec(event->globalPos()))
        Q_EMIT commandChosen(chosen->data().toInt(), false);
    if (pictureOnly_)
        pointerTimer_.start();
}

} // namespace vistello

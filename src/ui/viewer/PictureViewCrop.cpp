// The viewer's crop mode: the picture as stored (no EXIF turn), the crop
// rectangle with its handles and the block grid over it, and the mouse
// handed to the tracker. The rules live in CropTracker; this only forwards
// and draws.
#include "ui/viewer/PictureView.h"

#include "app/window/viewer/CropLabel.h"
#include "app/window/viewer/DevicePixels.h"
#include "ui/viewer/ViewerDrawing.h"

#include <QJsonArray>
#include <QMouseEvent>
#include <QPainter>

namespace vistello {

namespace {

constexpr int kHandle = 5;       // side of a handle square
constexpr double kGridMinimum = 5; // screen pixels per block before the grid shows

Qt::CursorShape cursorFor(CropZone zone)
{
    switch (zone) {
    case CropZone::TopLeft:
    case CropZone::BottomRight: return Qt::SizeFDiagCursor;
    case CropZone::TopRight:
    case CropZone::BottomLeft: return Qt::SizeBDiagCursor;
    case CropZone::Left:
    case CropZone::Right: return Qt::SizeHorCursor;
    case CropZone::Top:
    case CropZone::Bottom: return Qt::SizeVerCursor;
    case CropZone::Move: return Qt::SizeAllCursor;
    case CropZone::New:
    case CropZone::None: break;
    }
    return Qt::CrossCursor;
}

} // namespace

void PictureView::enterCrop(const CropFrame& frame, const CropRatio& ratio, const CropSelection& selection)
{
    if (zoomOn_)
        toggleZoom();
    DecodedPicture stored;
    stored.setAllowEnlarge(false);
    stored.setCacheCapacity(0);
    stored.setAutoRotate(false); // crop coordinates are those of the file
    const QSize box = toDevice(size(), devicePixelRatioF());
    stored.setBox(box.width(), box.height());
    if (!stored.load(path_))
        return;
    cropImage_ = stored.image();
    cropOn_ = true;
    crop_ = CropTracker();
    crop_.setRatio(ratio);
    crop_.setLayout(frame, QRect());
    crop_.setSelection(selection);
    relayout();
}

void PictureView::leaveCrop()
{
    if (!cropOn_)
        return;
    cropOn_ = false;
    cropDragging_ = false;
    cropImage_ = QImage();
    unsetCursor();
    relayout();
}

void PictureView::setCrop(const CropSelection& selection, const CropRatio& ratio)
{
    crop_.setRatio(ratio);
    crop_.setSelection(selection);
    update();
}

CropLabelLayout PictureView::cropLabel() const
{
    if (!cropOn_ || !pictureOnly_) // otherwise the crop page shows the numbers and buttons
        return {};
    const QFontMetrics metrics(smallFont(font()));
    const QString text = shortForm(crop_.selection());
    const QSize caption(std::max(metrics.horizontalAdvance(QStringLiteral("Crop")),
                                 metrics.horizontalAdvance(QStringLiteral("Cancel"))),
                        metrics.height());
    return cropLabelLayout(crop_.screenRect(), size(), QSize(metrics.horizontalAdvance(text), metrics.height()),
                           caption);
}

bool PictureView::cropPress(QPoint at)
{
    if (!cropOn_)
        return false;
    const CropLabelLayout label = cropLabel();
    if (label.crop.contains(at)) {
        Q_EMIT cropApplyRequested();
        return true;
    }
    if (label.cancel.contains(at)) {
        Q_EMIT cropCancelRequested();
        return true;
    }
    crop_.press(at);
    cropDragging_ = true;
    return true;
}

bool PictureView::cropMove(const QMouseEvent& event)
{
    if (!cropOn_)
        return false;
    const QPoint at = event.position().toPoint();
    if (!cropDragging_) {
        setCursor(cursorFor(crop_.zoneAt(at)));
        return true;
    }
    if (!event.buttons().testFlag(Qt::LeftButton)) { // the release went elsewhere
        crop_.release();
        cropDragging_ = false;
        return true;
    }
    if (!rect().contains(at)) // movements outside the view are ignored
        return true;
    crop_.moveTo(at);
    Q_EMIT cropSelectionChanged(crop_.selection());
    update();
    return true;
}

void PictureView::paintCrop(QPainter& painter) const
{
    const QRect drawn = crop_.drawn();
    painter.setClipRect(drawn);
    const double bw = crop_.blockScreenWidth();
    const double bh = crop_.blockScreenHeight();
    if (bw >= kGridMinimum || bh >= kGridMinimum) {
        painter.setPen(QColor(192, 192, 192));
        if (bw >= kGridMinimum)
            for (double x = drawn.left() + bw; x < drawn.right(); x += bw)
                painter.drawLine(QPointF(int(x), drawn.top()), QPointF(int(x), drawn.bottom()));
        if (bh >= kGridMinimum)
            for (double y = drawn.top() + bh; y < drawn.bottom(); y += bh)
                painter.drawLine(QPointF(drawn.left(), int(y)), QPointF(drawn.right(), int(y)));
    }
    const QRect r = crop_.screenRect();
    // Outside the rectangle the picture is dimmed.
    const QRegion outside = QRegion(drawn) - QRegion(r);
    painter.setClipRegion(outside);
    painter.fillRect(drawn, QColor(0, 0, 0, 96));
    painter.setClipping(false);
    painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    const int xs[] = {r.left(), r.center().x(), r.right()};
    const int ys[] = {r.top(), r.center().y(), r.bottom()};
    for (int x : xs)
        for (int y : ys)
            if (x != xs[1] || y != ys[1])
                painter.drawRect(QRect(x - kHandle / 2, y - kHandle / 2, kHandle, kHandle));
    const CropLabelLayout label = cropLabel();
    if (label.crop.isNull())
        return;
    painter.setFont(smallFont(font()));
    painter.setPen(settings_.textColour);
    painter.drawText(label.text, Qt::AlignLeft | Qt::AlignVCenter, shortForm(crop_.selection()));
    for (const auto& [rect, caption] : {std::pair{label.crop, QStringLiteral("Crop")},
                                        std::pair{label.cancel, QStringLiteral("Cancel")}}) {
        painter.setPen(Qt::black);
        painter.setBrush(QColor(240, 240, 240));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        painter.drawText(rect, Qt::AlignCenter, caption);
    }
}

QJsonObject PictureView::cropJson() const
{
    const CropSelection& s = crop_.selection();
    const CropLabelLayout label = cropLabel();
    const auto box = [](const QRect& r) { return QJsonArray{r.x(), r.y(), r.width(), r.height()}; };
    return {{QStringLiteral("active"), cropOn_},
            {QStringLiteral("buttons"), label.crop.isNull() ? QJsonArray{} : QJsonArray{box(label.crop), box(label.cancel)}},
            {QStringLiteral("rect"), cropOn_ ? QJsonArray{s.x, s.y, s.w, s.h} : QJsonArray{}},
            {QStringLiteral("shortForm"), cropOn_ ? shortForm(s) : QString()}};
}

} // namespace vistello

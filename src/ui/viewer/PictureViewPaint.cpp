// The viewer's painting: what relayout() worked out, drawn as it is; the
// buttons under the mouse and their tips; the state a scripted run reads.
#include "ui/viewer/PictureView.h"

#include "app/window/viewer/ButtonStrip.h"
#include "resources/StringTable.h"
#include "ui/common/FlatScrollBar.h"
#include "ui/viewer/ViewerDrawing.h"

#include <QHelpEvent>
#include <QJsonArray>
#include <QPainter>
#include <QToolTip>

namespace vistello {

void PictureView::drawButton(QPainter& painter, const ViewerButton& button) const
{
    const bool hot = button.enabled && (button.command == hotCommand_ || button.command == pressedCommand_);
    const QImage& variant = hot ? hotStrip_ : button.enabled ? strip_ : disabledStrip_;
    const QRect cell(stripIndex(button.command) * kStripCell, 0, kStripCell, kStripCell);
    painter.drawImage(button.topLeft, variant, cell);
    if (hot) {
        painter.setPen(QColor(49, 106, 197));
        const QRect frame(button.topLeft, QSize(kButtonSize, kButtonSize));
        painter.drawLine(frame.topRight(), frame.bottomRight());
        painter.drawLine(frame.bottomLeft(), frame.bottomRight());
    }
}

void PictureView::paintRow(QPainter& painter)
{
    lighten(painter, backdrop_.lit);
    painter.setPen(settings_.textColour);
    for (const QLine& separator : backdrop_.separators)
        painter.drawLine(separator);
    for (const ViewerButton& button : buttons_)
        drawButton(painter, button);
}

void PictureView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!previousFrame_.isNull()) {
        painter.drawPixmap(0, 0, previousFrame_);
        painter.setClipRegion(revealed_);
    }
    painter.fillRect(rect(), background_);
    if (zoomOn_) {
        paintZoom(painter);
        return;
    }
    if (panoramaSource_ && !cropOn_) {
        paintPanoramaTiles(painter);
    } else if (!drawn_.isNull()) {
        // 1:1 where the rendering has the device pixels; a target rectangle
        // would convert the bitmap on every paint.
        if (drawn_.deviceIndependentSize() == QSizeF(drawnRect_.size()))
            painter.drawImage(drawnRect_.topLeft(), drawn_);
        else
            painter.drawImage(QRectF(drawnRect_), drawn_);
        if (cropOn_) {
            painter.save();
            paintCrop(painter);
            painter.restore();
        }
    } else if (!failure_.isEmpty()) {
        painter.setPen(QColor(~background_.rgb() & 0xFFFFFF));
        painter.drawText(rect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, failure_);
    }
    // The band and the box lie over a lighter picture; the band leaves the
    // picture alone when it would cover all of it.
    QRegion light;
    if (bandHeight_ > 0) {
        const QRect band(0, height() - bandHeight_, width(), bandHeight_);
        light += band;
        if (!drawn_.isNull() && (band & drawnRect_).height() >= drawnRect_.height())
            light -= drawnRect_;
    }
    const bool boxShown = infoBox_.shown && !infoBoxSize_.isEmpty();
    if (boxShown)
        light += infoBoxRect();
    lighten(painter, light);
    if (boxShown) {
        painter.setFont(smallFont(font()));
        painter.setPen(settings_.textColour);
        painter.drawText(infoBoxRect(), Qt::TextExpandTabs, infoBox_.text);
        painter.setFont(font());
    }
    if (!textLine_.text.isEmpty()) {
        painter.setPen(Qt::black);
        if (textLine_.centred) {
            for (int dx : {0, 1})
                painter.drawText(QRect(dx, height() - 16, width(), 16), Qt::AlignHCenter | Qt::AlignTop,
                                 textLine_.text);
        } else {
            painter.drawText(QRect(0, height() - 16, width(), 16), Qt::AlignLeft | Qt::AlignTop, textLine_.text);
        }
    }
    paintRow(painter);
    paintMeasureBand(painter);
    if (newPictureUnpainted_ && keyClock_.isValid())
        lastKeyToPaintMs_ = double(keyClock_.nsecsElapsed()) / 1e6;
    newPictureUnpainted_ = false;
    keyClock_.invalidate();
}

QJsonObject PictureView::stateJson() const
{
    QJsonArray buttons;
    for (const ViewerButton& button : buttons_)
        buttons.append(QJsonArray{button.command, button.topLeft.x(), button.topLeft.y(), button.enabled});
    const QPoint origin = mapTo(window(), QPoint(0, 0));
    return {
        {QStringLiteral("viewRect"), QJsonArray{origin.x(), origin.y(), width(), height()}},
        {QStringLiteral("buttons"), buttons},
        {QStringLiteral("mode"), zoomOn_ ? QStringLiteral("zoom")
                                 : panorama_ ? QStringLiteral("panorama")
                                             : QStringLiteral("normal")},
        {QStringLiteral("drawnRect"),
         QJsonArray{drawnRect_.x(), drawnRect_.y(), drawnRect_.width(), drawnRect_.height()}},
        {QStringLiteral("zoomLevel"), zoom_.level},
        {QStringLiteral("zoomLabel"), zoomLabel()},
        {QStringLiteral("zoomOffset"), QJsonArray{zoom_.offset.x(), zoom_.offset.y()}},
        {QStringLiteral("navigator"), QJsonArray{navigator_.size.width(), navigator_.size.height()}},
        {QStringLiteral("zoomedSize"), QJsonArray{zoomedDevice().width(), zoomedDevice().height()}},
        {QStringLiteral("zoomTiles"), QJsonArray{bool(zoomSource_), int(zoomShown_.size()), zoomTiles_.size(),
                                                 double(zoomTiles_.bytes())}},
        {QStringLiteral("panorama"), panorama_},
        {QStringLiteral("panoramaScrolling"), panoramaTimer_.isActive()},
        {QStringLiteral("infoBox"), settings_.infoBoxState},
        {QStringLiteral("textLine"), textLine_.text},
        {QStringLiteral("transitions"), transitionsPlayed_},
        {QStringLiteral("panoramaBar"),
         !panoramaBar_->isHidden()
             ? QJsonArray{panoramaBar_->x(), panoramaBar_->y(), panoramaBar_->width(), panoramaBar_->height(),
                          panoramaBar_->maximum(), panoramaBar_->pageStep(), panoramaBar_->value()}
             : QJsonArray{}},
        {QStringLiteral("keyToPaintMs"), lastKeyToPaintMs_},
        {QStringLiteral("zoomToPaintMs"), lastZoomToPaintMs_},
        {QStringLiteral("path"), path_},
        {QStringLiteral("readAhead"), readAheadJson()},
        {QStringLiteral("devicePixelRatio"), devicePixelRatioF()},
        {QStringLiteral("renderedSize"), QJsonArray{panoramaRendering().width(), panoramaRendering().height()}},
        {QStringLiteral("crop"), cropJson()},
    };
}

const ViewerButton* PictureView::buttonUnder(QPoint at) const
{
    for (const ViewerButton& button : buttons_)
        if (buttonRect(button).contains(at))
            return &button;
    return nullptr;
}

int PictureView::buttonAt(QPoint at) const
{
    const ViewerButton* button = buttonUnder(at);
    return button ? button->command : 0;
}

bool PictureView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    // A button's tool tip is the text numbered by its command.
    const auto* help = static_cast<QHelpEvent*>(event);
    if (const ViewerButton* button = buttonUnder(help->pos()))
        QToolTip::showText(help->globalPos(), strings::text(button->command), this, buttonRect(*button));
    else
        QToolTip::hideText();
    return true;
}

void PictureView::leaveEvent(QEvent*)
{
    if (hotCommand_ != 0) {
        hotCommand_ = 0;
        update();
    }
}

} // namespace vistello

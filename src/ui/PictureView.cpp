#include "ui/PictureView.h"

#include "app/window/viewer/AutoShow.h"
#include "app/window/viewer/ButtonStrip.h"
#include "app/window/viewer/MemoryEdits.h"
#include "app/window/viewer/Panorama.h"
#include "app/window/CommandIds.h"

#include <QFontMetrics>
#include <QJsonArray>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QWheelEvent>

namespace vistello {

namespace {

constexpr int kPointerHideMs = 2000;
constexpr int kTransitionFrameMs = 10;

// VISTELLO_SEED makes the effect choice repeatable.
QRandomGenerator seededRandom()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("VISTELLO_SEED").toUInt(&ok);
    return ok ? QRandomGenerator(seed) : QRandomGenerator(QRandomGenerator::global()->generate());
}

// Each channel +100, capped: the band and the box lie over a lighter picture.
QColor lightened(QColor colour)
{
    return QColor(std::min(colour.red() + 100, 255), std::min(colour.green() + 100, 255),
                  std::min(colour.blue() + 100, 255));
}

void lightenImage(QImage& image, QRect area)
{
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        uchar* p = image.scanLine(y) + 3 * area.left();
        for (int i = 0; i < 3 * area.width(); ++i)
            p[i] = uchar(std::min(p[i] + 100, 255));
    }
}

QFont smallFont(const QFont& base)
{
    QFont font = base;
    font.setPixelSize(11);
    return font;
}

// Our own marks, one 18-pixel cell per button, on a white key.
QImage drawButtonStrip()
{
    QImage strip(kStripCell * kStripCells, kStripCell, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const int command : stripCommands())
        painter.drawText(QRect(stripIndex(command) * kStripCell, 0, kStripCell, kStripCell), Qt::AlignCenter,
                         stripMark(command));
    return strip;
}

} // namespace

PictureView::PictureView(QWidget* parent)
    : QWidget(parent)
    , strip_(drawButtonStrip())
    , hotStrip_(hotVariant(strip_))
    , disabledStrip_(disabledVariant(strip_))
    , random_(seededRandom())
{
    panoramaTimer_.setInterval(kPanoramaTickMs);
    connect(&panoramaTimer_, &QTimer::timeout, this, &PictureView::panoramaTick);
    transitionTimer_.setInterval(kTransitionFrameMs);
    connect(&transitionTimer_, &QTimer::timeout, this, &PictureView::transitionFrame);
    setObjectName(QStringLiteral("pictureView"));
    setMouseTracking(true);
    picture_.setAllowEnlarge(false);
    picture_.setCacheCapacity(4);
    pointerTimer_.setSingleShot(true);
    pointerTimer_.setInterval(kPointerHideMs);
    connect(&pointerTimer_, &QTimer::timeout, this, [this] {
        if (pictureOnly_ && window()->isActiveWindow())
            setCursor(Qt::BlankCursor);
    });
}

void PictureView::showPicture(const QString& path, int index, int count)
{
    index_ = index;
    count_ = count;
    if (path != path_) {
        finishTransition();
        const bool wasShowing = pictureOk() && !zoomOn_ && isVisible();
        const QPixmap previous = wasShowing && pictureOnly_ && settings_.transitions ? grab() : QPixmap();
        path_ = path;
        facts_ = path.isEmpty() ? PictureFacts{} : readPictureFacts(path);
        decode();
        if (transitionPlays({pictureOk(), settings_.transitions, false, pictureOnly_, true, wasShowing}))
            startTransition(previous);
        if (zoomOn_)
            loadZoom();
    } else {
        relayout();
    }
}

void PictureView::reload()
{
    picture_.fileChanged(path_);
    facts_ = path_.isEmpty() ? PictureFacts{} : readPictureFacts(path_);
    decode();
}

void PictureView::setBackground(QColor colour)
{
    background_ = colour;
    picture_.setBackgroundColour(colour.rgb());
    update();
}

void PictureView::setSettings(const ViewerSettings& settings)
{
    settings_ = settings;
    settings_.infoBoxState = normalisedInfoBoxState(settings.infoBoxState);
    relayout();
}

void PictureView::setModes(bool pictureOnly, bool autoShow)
{
    const bool changed = pictureOnly != pictureOnly_;
    pictureOnly_ = pictureOnly;
    autoShow_ = autoShow;
    if (changed)
        decode(); // panorama mode comes and goes with picture-only mode
    if (!pictureOnly) {
        pointerTimer_.stop();
        unsetCursor();
    } else {
        pointerTimer_.start();
    }
    relayout();
}

void PictureView::decode()
{
    shown_ = QImage();
    failure_.clear();
    panoramaTimer_.stop();
    panoramaPosition_ = 0;
    panorama_ = pictureOnly_ && isPanorama(facts_.size);
    picture_.setPanoramaMode(panorama_);
    if (!path_.isEmpty() && width() > 0 && height() > 0) {
        picture_.setBox(width(), height());
        if (picture_.load(path_))
            shown_ = picture_.image();
        else
            failure_ = picture_.failureText();
    }
    if (panorama_ && pictureOk() && settings_.panoramaAutoScroll && panoramaStep(settings_.panoramaSpeed) > 0)
        panoramaTimer_.start();
    relayout();
}

void PictureView::panoramaTick()
{
    const bool across = scrollsHorizontally(facts_.size);
    const int rendered = across ? shown_.width() : shown_.height();
    const int next = vistello::panoramaPosition(panoramaPosition_, panoramaStep(settings_.panoramaSpeed), rendered,
                                                across ? width() : height());
    if (next == panoramaPosition_) {
        panoramaTimer_.stop(); // the end is reached
        return;
    }
    panoramaPosition_ = next;
    relayout();
}

void PictureView::relayout()
{
    const QSize client = size();
    drawnRect_ = shown_.isNull() ? QRect() : drawnRect(client, shown_.size());
    if (panorama_ && !shown_.isNull()) {
        // At its own size, scrolled along the long side and centred across it.
        drawnRect_.setSize(shown_.size());
        if (scrollsHorizontally(facts_.size))
            drawnRect_.moveTo(-panoramaPosition_, (client.height() - shown_.height()) / 2);
        else
            drawnRect_.moveTo((client.width() - shown_.width()) / 2, -panoramaPosition_);
    }
    infoBox_ = path_.isEmpty() ? InfoBox{} : infoBox(settings_.infoBoxState, facts_.shortInfo, facts_.longInfo);
    const QFontMetrics metrics(smallFont(font()));
    const QRect text = metrics.boundingRect(QRect(0, 0, 4000, 4000), Qt::TextExpandTabs, infoBox_.text);
    infoBoxSize_ = infoBox_.text.isEmpty() ? QSize() : QSize(text.width() + 4, text.height());
    const TextLineInputs line{facts_.exifComment, facts_.jpegComment, QString(), pictureOnly_,
                              settings_.textInPictureOnly,  index_,             count_, path_};
    textLine_ = path_.isEmpty() ? TextLine{} : textLine(line);
    bandHeight_ = bottomBandHeight(line);
    buttons_.clear();
    const ViewerModes modes{pictureOnly_, autoShow_, settings_.buttonsInPictureOnly};
    if (zoomOn_)
        buttons_ = zoomRow(client.width(), client.height(), zoom_.level);
    else if (!path_.isEmpty() && controlRowShown(modes))
        buttons_ = controlRow({client.width(), client.height(), pictureOk(), facts_.writeProtected,
                               facts_.originalExists, facts_.orientation, facts_.capabilities});
    if (const std::optional<ViewerButton> corner = topRightButton(modes, client.width()))
        buttons_.push_back(*corner);
    update();
}

void PictureView::editInMemory(int id)
{
    if (!pictureOk())
        return;
    if (id == command::Invert)
        shown_ = invertedRendering(shown_);
    else if (id == command::ColourMosaic)
        shown_ = mosaicRendering(shown_);
    else if (id == viewer::Greyscale)
        shown_ = greyRendering(shown_);
    else if (const std::optional<TransformRequest> request = losslessRequest(id))
        shown_ = transformedRendering(shown_, request->op);
    else
        return;
    relayout();
}

void PictureView::cycleInfoBox()
{
    if (path_.isEmpty())
        return;
    settings_.infoBoxState = nextInfoBoxState(settings_.infoBoxState);
    Q_EMIT infoBoxStateChanged(settings_.infoBoxState);
    relayout();
}

void PictureView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    decode();
    if (zoomOn_)
        renderZoom();
}

void PictureView::startTransition(const QPixmap& previous)
{
    if (previous.isNull())
        return;
    previousFrame_ = previous;
    revealed_ = QRegion();
    transition_ = transitionPlan(chooseEffect(random_), size(), random_);
    transitionStep_ = 0;
    nextStepAtMs_ = 0;
    ++transitionsPlayed_;
    transitionClock_.start();
    transitionTimer_.start();
    transitionFrame();
}

void PictureView::transitionFrame()
{
    // Every step that is due on this frame; the waits never block.
    const int unit = transitionDelayUnitMs(settings_.transitionDelay);
    const int64_t now = transitionClock_.elapsed();
    while (transitionStep_ < transition_.size() && nextStepAtMs_ <= now) {
        const TransitionStep& step = transition_[transitionStep_++];
        for (const QRect& copy : step.copies)
            revealed_ += copy;
        nextStepAtMs_ += int64_t(step.waitUnits) * unit;
    }
    if (transitionStep_ >= transition_.size())
        finishTransition();
    update();
}

void PictureView::finishTransition()
{
    if (previousFrame_.isNull())
        return;
    transitionTimer_.stop();
    previousFrame_ = QPixmap();
    transition_.clear();
    update();
}

void PictureView::toggleZoom()
{
    if (zoomOn_) {
        zoomOn_ = false;
        zoomFull_ = zoomed_ = navigatorImage_ = QImage();
        unsetCursor();
        relayout();
        return;
    }
    if (!pictureOk())
        return;
    zoomOn_ = true;
    zoom_ = {};
    loadZoom();
}

void PictureView::loadZoom()
{
    DecodedPicture full;
    full.setBox(0, 0); // the whole picture, upright
    full.setCacheCapacity(0);
    full.setBackgroundColour(background_.rgb());
    if (path_.isEmpty() || !full.load(path_)) {
        toggleZoom(); // nothing to zoom into: back to the normal view
        return;
    }
    zoomFull_ = full.image();
    navigator_ = navigatorFor(zoomFull_.size());
    renderZoom();
}

void PictureView::renderZoom()
{
    const QSize size = zoomFull_.size() * zoom_.scaleNum() / ZoomView::scaleDenom();
    zoomed_ = zoom_.level == 1 ? zoomFull_ : zoomFull_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    navigatorImage_ = zoomed_.scaled(navigator_.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    zoom_.clamp(zoomed_.size(), this->size());
    relayout();
}

void PictureView::zoomIn()
{
    if (!zoomOn_ || !zoom_.canZoomIn())
        return;
    zoom_.zoomIn(zoomed_.size(), size());
    renderZoom();
}

void PictureView::zoomOut()
{
    if (!zoomOn_ || !zoom_.canZoomOut())
        return;
    zoom_.zoomOut(zoomed_.size(), size());
    renderZoom();
}

void PictureView::moveZoomed(QPoint delta)
{
    if (!zoomOn_)
        return;
    zoom_.offset += delta;
    zoom_.clamp(zoomed_.size(), size());
    update();
}

QRect PictureView::infoBoxRect() const
{
    return QRect(QPoint(0, 0), infoBoxSize_);
}

void PictureView::mousePressEvent(QMouseEvent* event)
{
    setFocus();
    finishTransition();
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    for (const ViewerButton& button : buttons_) {
        if (QRect(button.topLeft, QSize(kButtonSize, kButtonSize)).contains(at)) {
            unsetCursor();
            if (button.enabled)
                Q_EMIT commandChosen(button.command, event->modifiers().testFlag(Qt::ControlModifier));
            return;
        }
    }
    if (zoomOn_) {
        zoomDragging_ = true;
        dragStart_ = at;
        dragStartOffset_ = zoom_.offset;
        dragInNavigator_ = QRect(QPoint(0, 0), navigator_.size).contains(at);
        return;
    }
    if (count_ > 0 && infoBoxRect().contains(at))
        cycleInfoBox();
    else
        beginPictureDrag(at);
}

void PictureView::mouseReleaseEvent(QMouseEvent* event)
{
    zoomDragging_ = false;
    endPictureDrag(*event);
}

void PictureView::wheelEvent(QWheelEvent* event)
{
    const int direction = event->angleDelta().y() > 0 ? 1 : event->angleDelta().y() < 0 ? -1 : 0;
    if (direction == 0)
        return;
    if (zoomOn_) {
        if (direction > 0)
            zoomIn();
        else
            zoomOut();
    } else {
        Q_EMIT stepRequested(-direction); // forward: the previous picture
    }
}

void PictureView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (const int hot = buttonAt(at); hot != hotCommand_) {
        hotCommand_ = hot;
        update();
    }
    if (movePictureDrag(*event))
        return;
    if (zoomOn_) {
        const bool overNavigator = QRect(QPoint(0, 0), navigator_.size).contains(at);
        setCursor(overNavigator ? Qt::SizeAllCursor : Qt::OpenHandCursor);
        if (zoomDragging_) {
            const QPoint moved = at - dragStart_;
            zoom_.offset = dragStartOffset_ + (dragInNavigator_ ? navigatorDrag(navigator_, zoom_, moved) : moved);
            zoom_.clamp(zoomed_.size(), size());
            update();
        }
        return;
    }
    if (pictureOnly_) {
        unsetCursor();
        pointerTimer_.start();
    } else {
        setCursor(infoBoxRect().contains(event->position().toPoint()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
}

void PictureView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
}

void PictureView::drawButton(QPainter& painter, const ViewerButton& button) const
{
    const bool hot = button.enabled && button.command == hotCommand_;
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

int PictureView::buttonAt(QPoint at) const
{
    for (const ViewerButton& button : buttons_)
        if (QRect(button.topLeft, QSize(kButtonSize, kButtonSize)).contains(at))
            return button.command;
    return 0;
}

void PictureView::leaveEvent(QEvent*)
{
    if (hotCommand_ != 0) {
        hotCommand_ = 0;
        update();
    }
}

void PictureView::paintZoom(QPainter& painter)
{
    painter.drawImage(zoom_.offset, zoomed_);
    const QRect inset(QPoint(0, 0), navigator_.size);
    painter.drawImage(inset.topLeft(), navigatorImage_);
    painter.setPen(Qt::black);
    painter.drawRect(inset.adjusted(-1, -1, 1, 1));
    const QRect mark = navigatorMark(navigator_, zoomFull_.size(), zoomed_.size(), zoom_.offset, size());
    painter.setPen(Qt::white);
    painter.drawRect(mark);
    painter.setPen(Qt::black);
    painter.drawRect(mark.adjusted(-1, -1, 1, 1));
    const QPoint label = zoomLabelAt(width(), height());
    painter.fillRect(QRect(label.x(), height() - 44, 30, 22), lightened(background_));
    painter.setPen(settings_.textColour);
    painter.drawText(QRect(label, QSize(60, 16)), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral(" %1% ").arg(zoom_.percent()));
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
        for (const ViewerButton& button : buttons_)
            drawButton(painter, button);
        return;
    }
    const QColor light = lightened(background_);
    if (bandHeight_ > 0)
        painter.fillRect(0, height() - bandHeight_, width(), bandHeight_, light);
    if (!shown_.isNull()) {
        // The band's part over the picture, unless it would cover all of it.
        QRect lit = QRect(0, height() - bandHeight_, width(), bandHeight_) & drawnRect_;
        if (lit.height() >= drawnRect_.height())
            lit = QRect();
        const bool boxShown = infoBox_.shown && !infoBoxSize_.isEmpty();
        if (lit.isNull() && !boxShown) {
            painter.drawImage(drawnRect_, shown_);
        } else {
            QImage drawn = shown_.size() == drawnRect_.size()
                ? shown_.copy()
                : shown_.scaled(drawnRect_.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            lightenImage(drawn, lit.translated(-drawnRect_.topLeft()));
            if (boxShown)
                lightenImage(drawn, infoBoxRect().translated(-drawnRect_.topLeft()));
            painter.drawImage(drawnRect_.topLeft(), drawn);
        }
    } else if (!failure_.isEmpty()) {
        painter.setPen(QColor(~background_.rgb() & 0xFFFFFF));
        painter.drawText(rect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, failure_);
    }
    if (infoBox_.shown && !infoBoxSize_.isEmpty()) {
        painter.setClipRegion(QRegion(infoBoxRect()) - QRegion(shown_.isNull() ? QRect() : drawnRect_));
        painter.fillRect(infoBoxRect(), light);
        painter.setClipping(false);
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
    for (const ViewerButton& button : buttons_)
        drawButton(painter, button);
    paintMeasureBand(painter);
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
        {QStringLiteral("zoomOffset"), QJsonArray{zoom_.offset.x(), zoom_.offset.y()}},
        {QStringLiteral("navigator"), QJsonArray{navigator_.size.width(), navigator_.size.height()}},
        {QStringLiteral("panorama"), panorama_},
        {QStringLiteral("panoramaScrolling"), panoramaTimer_.isActive()},
        {QStringLiteral("infoBox"), settings_.infoBoxState},
        {QStringLiteral("textLine"), textLine_.text},
        {QStringLiteral("transitions"), transitionsPlayed_},
    };
}

} // namespace vistello

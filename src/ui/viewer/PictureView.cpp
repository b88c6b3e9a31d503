#include "ui/viewer/PictureView.h"

#include "app/window/viewer/AutoShow.h"
#include "app/window/viewer/ButtonStrip.h"
#include "app/window/viewer/MemoryEdits.h"
#include "app/window/viewer/Panorama.h"
#include "app/window/viewer/RowBackdrop.h"
#include "app/window/frame/CommandIds.h"
#include "imaging/scale/ScaleAreaAverage.h"
#include "resources/StringTable.h"
#include "ui/common/FlatScrollBar.h"

#include <QFontMetrics>
#include <algorithm>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QJsonArray>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QToolTip>
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

// Each colour byte of what is drawn there +100, capped: the saturating
// sum of the painter's Plus mode does it in place.
void lighten(QPainter& painter, const QRegion& area)
{
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    for (const QRect& part : area)
        painter.fillRect(part, QColor(100, 100, 100));
    painter.restore();
}

QRect buttonRect(const ViewerButton& button)
{
    return QRect(button.topLeft, QSize(kButtonSize, kButtonSize));
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
    , panoramaBar_(new FlatScrollBar(Qt::Horizontal, this))
{
    panoramaBar_->hide();
    panoramaBar_->setSingleStep(kPanoramaLine);
    connect(panoramaBar_, &QScrollBar::valueChanged, this, [this](int position) {
        panoramaPosition_ = position;
        relayout();
    });
    connect(panoramaBar_, &QScrollBar::actionTriggered, this, &PictureView::panoramaScrolledByHand);
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
        newPictureUnpainted_ = true;
        finishTransition();
        const bool wasShowing = pictureOk() && !zoomOn_ && isVisible();
        const QPixmap previous = wasShowing && pictureOnly_ && settings_.transitions ? grab() : QPixmap();
        path_ = path;
        facts_ = path.isEmpty() ? PictureFacts{} : readPictureFacts(path);
        decode();
        if (transitionPlays({pictureOk(), settings_.transitions, false, pictureOnly_, true, wasShowing}))
            startTransition(previous);
        if (zoomOn_) {
            navigatorImage_ = QImage();
            loadZoom();
        }
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
    if (settings.antiAlias)
        picture_.setReduceLimit(3, 2);
    else
        picture_.setReduceLimit(1, 1);
    picture_.setAutoRotate(settings.autoRotate);
    picture_.setCacheCapacity(std::clamp(settings.cacheSize, 1, 1000));
    decode();
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
    placePanoramaBar();
    if (panorama_ && pictureOk() && settings_.panoramaAutoScroll && panoramaStep(settings_.panoramaSpeed) > 0)
        panoramaTimer_.start();
    relayout();
}

void PictureView::placePanoramaBar()
{
    if (!panorama_ || !pictureOk() || zoomOn_) {
        panoramaBar_->hide();
        return;
    }
    const bool across = shown_.width() > shown_.height();
    const int rendered = across ? shown_.width() : shown_.height();
    const int length = across ? width() : height();
    const QSignalBlocker quiet(panoramaBar_);
    panoramaBar_->setOrientation(across ? Qt::Horizontal : Qt::Vertical);
    panoramaBar_->setRange(0, panoramaRange(rendered, length));
    panoramaBar_->setPageStep(length);
    panoramaBar_->setValue(panoramaPosition_);
    panoramaBar_->setEnabled(rendered > length);
    panoramaBar_->setGeometry(panoramaBarRect(size(), across, FlatScrollBar::Thickness));
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

void PictureView::relayout()
{
    const QSize client = size();
    drawnRect_ = shown_.isNull() ? QRect() : drawnRect(client, shown_.size());
    if (panorama_ && !shown_.isNull()) {
        // At its own size, scrolled along the long side and centred across it.
        drawnRect_.setSize(shown_.size());
        if (shown_.width() > shown_.height())
            drawnRect_.moveTo(-panoramaPosition_, (client.height() - shown_.height()) / 2);
        else
            drawnRect_.moveTo((client.width() - shown_.width()) / 2, -panoramaPosition_);
    }
    drawn_ = shown_.size() == drawnRect_.size()
        ? shown_
        : shown_.scaled(drawnRect_.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    infoBox_ = path_.isEmpty() ? InfoBox{} : infoBox(settings_.infoBoxState, facts_.shortInfo, facts_.longInfo);
    const QFontMetrics metrics(smallFont(font()));
    const QRect text = metrics.boundingRect(QRect(0, 0, 4000, 4000), Qt::TextExpandTabs, infoBox_.text);
    infoBoxSize_ = infoBox_.text.isEmpty() ? QSize() : QSize(text.width() + 4, text.height());
    const TextLineInputs line{facts_.exifComment, facts_.jpegComment, QString(), pictureOnly_,
                              settings_.textInPictureOnly,  index_,             count_, path_};
    textLine_ = path_.isEmpty() ? TextLine{} : textLine(line);
    bandHeight_ = bottomBandHeight(line);
    buttons_.clear();
    backdrop_ = {};
    const ViewerModes modes{pictureOnly_, autoShow_, settings_.buttonsInPictureOnly};
    if (zoomOn_) {
        buttons_ = zoomRow(client.width(), client.height(), zoom_.level);
        backdrop_ = zoomRowBackdrop(client.width(), client.height());
    } else if (!path_.isEmpty() && controlRowShown(modes)) {
        buttons_ = controlRow({client.width(), client.height(), pictureOk(), facts_.writeProtected,
                               facts_.originalExists, facts_.orientation, facts_.capabilities});
        backdrop_ = controlRowBackdrop(client.width(), client.height());
    }
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
    placePanoramaBar(); // a turn may change the scrolling axis
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
    if (zoomOn_) {
        zoom_.clamp(zoomed_.size(), size());
        relayout();
    }
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
    if (const ViewerButton* button = buttonUnder(at)) {
        unsetCursor();
        pressedCommand_ = button->command;
        update();
        if (button->enabled)
            Q_EMIT commandChosen(button->command, event->modifiers().testFlag(Qt::ControlModifier));
        return;
    }
    if (zoomOn_) {
        zoomDragging_ = true;
        dragStart_ = at;
        dragStartOffset_ = zoom_.offset;
        dragInNavigator_ = QRect(QPoint(0, 0), navigator_.size).contains(at);
        return;
    }
    if (!panoramaBar_->isHidden()) {
        panoramaDragging_ = true;
        dragStart_ = at;
        dragStartPosition_ = panoramaBar_->value();
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
    panoramaDragging_ = false;
    if (pressedCommand_ != 0) {
        pressedCommand_ = 0;
        update();
    }
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
    if (panoramaDragging_) {
        // The picture follows the hand; the scroll bar shows where it is.
        const QPoint moved = at - dragStart_;
        const int along = panoramaBar_->orientation() == Qt::Horizontal ? moved.x() : moved.y();
        if (dragStartPosition_ - along != panoramaBar_->value()) {
            panoramaScrolledByHand();
            panoramaBar_->setValue(dragStartPosition_ - along);
        }
    }
}

void PictureView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
}

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
    if (!drawn_.isNull()) {
        painter.drawImage(drawnRect_.topLeft(), drawn_);
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
    };
}

} // namespace vistello

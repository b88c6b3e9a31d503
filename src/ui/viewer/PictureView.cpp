#include "ui/viewer/PictureView.h"

#include "app/window/viewer/AutoShow.h"
#include "app/window/viewer/ButtonStrip.h"
#include "app/window/viewer/DevicePixels.h"
#include "app/window/viewer/MemoryEdits.h"
#include "app/window/viewer/Panorama.h"
#include "app/window/viewer/RowBackdrop.h"
#include "app/window/frame/CommandIds.h"
#include "imaging/readahead/ReadAheadWorker.h"
#include "ui/common/FlatScrollBar.h"
#include "ui/viewer/ViewerDrawing.h"

#include <QFontMetrics>
#include <algorithm>
#include <QMouseEvent>
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
    if (qEnvironmentVariable("VISTELLO_READ_AHEAD") != QLatin1String("0"))
        readAhead_ = std::make_unique<ReadAheadWorker>();
}

PictureView::~PictureView() = default;

void PictureView::showPicture(const QString& path, int index, int count)
{
    if (index != index_)
        shownBefore_ = index_;
    index_ = index;
    count_ = count;
    if (path != path_) {
        const bool cropping = cropOn_; // crop mode starts anew on the next picture
        leaveCrop();
        newPictureUnpainted_ = true;
        finishTransition();
        const bool wasShowing = pictureOk() && !zoomOn_ && isVisible();
        const QPixmap previous = wasShowing && pictureOnly_ && settings_.transitions ? grab() : QPixmap();
        path_ = path;
        panoramaWhole_ = false;
        readFacts();
        decode();
        if (transitionPlays({pictureOk(), settings_.transitions, false, pictureOnly_, true, wasShowing}))
            startTransition(previous);
        if (zoomOn_) {
            startZoomedPicture();
            loadZoom();
        }
        if (cropping)
            Q_EMIT cropPictureChanged();
    } else {
        relayout();
    }
}

void PictureView::reload()
{
    if (readAhead_)
        readAhead_->cancel(); // what it holds may be of the old file
    picture_.fileChanged(path_);
    panoramaWhole_ = false;
    readFacts();
    decode();
    if (zoomOn_ && pictureOk()) {
        startZoomedPicture();
        loadZoom();
    }
}

void PictureView::readFacts()
{
    facts_ = path_.isEmpty() ? PictureFacts{} : readPictureFacts(path_);
    programComment_ = path_.isEmpty() || !commentOf_ ? QString() : commentOf_(path_);
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
    if (readAhead_)
        readAhead_->cancel(); // decoded with the settings before
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
        const QSize box = toDevice(size(), devicePixelRatioF()); // sharp on scaled screens
        picture_.setBox(box.width(), box.height());
        if (!startTiledPanorama(box)) {
            takeReadAhead();
            if (picture_.load(path_))
                shown_ = picture_.image();
            else
                failure_ = picture_.failureText();
        }
    } else {
        startTiledPanorama({});
    }
    placePanoramaBar();
    if (panorama_ && pictureOk() && settings_.panoramaAutoScroll && panoramaStep(settings_.panoramaSpeed) > 0)
        panoramaTimer_.start();
    relayout();
    aimReadAhead();
}

void PictureView::relayout()
{
    const QSize client = size();
    const QImage& base = cropOn_ ? cropImage_ : shown_;
    // The renderings are in device pixels; the frame is laid out in logical ones.
    const qreal ratio = devicePixelRatioF();
    const bool tiled = panoramaSource_ && !cropOn_;
    const QSize rendering = tiled ? panoramaRendering_ : base.size();
    const QSize logical = renderingLogical(rendering, client, ratio, panorama_ && !cropOn_);
    drawnRect_ = base.isNull() ? QRect() : drawnRect(client, logical);
    if (panorama_ && !cropOn_ && pictureOk())
        drawnRect_ = panoramaDrawnRect(client, logical, panoramaPosition_);
    fillPanoramaTiles();
    // Squeezed into a smaller rectangle: scaled to its device pixels once here.
    const QSize device = toDevice(drawnRect_.size(), ratio);
    drawn_ = drawnRect_.size() == logical || base.size() == device
        ? base
        : base.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (drawn_.size() == device)
        drawn_.setDevicePixelRatio(ratio); // drawn 1:1 by the painter's fast path
    if (cropOn_)
        crop_.setLayout(crop_.frame(), drawnRect_);
    infoBox_ = path_.isEmpty() ? InfoBox{} : infoBox(settings_.infoBoxState, facts_.shortInfo, facts_.longInfo);
    const QFontMetrics metrics(smallFont(font()));
    const QRect text = metrics.boundingRect(QRect(0, 0, 4000, 4000), Qt::TextExpandTabs, infoBox_.text);
    infoBoxSize_ = infoBox_.text.isEmpty() ? QSize() : QSize(text.width() + 4, text.height());
    const TextLineInputs line{facts_.exifComment, facts_.jpegComment, programComment_, pictureOnly_,
                              settings_.textInPictureOnly, index_, count_, path_};
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
    if (panoramaSource_ && !panoramaWhole_) {
        // The edit works on the whole rendering: decoded whole from now on.
        const int position = panoramaPosition_;
        panoramaWhole_ = true;
        decode();
        panoramaBar_->setValue(position);
        if (!pictureOk())
            return;
    }
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
        zoom_.clamp(zoomedLogical(), size());
        fillZoomTiles();
        relayout();
    }
}

void PictureView::startTransition(const QPixmap& previous)
{
    if (previous.isNull())
        return;
    previousFrame_ = previous;
    revealed_ = QRegion();
    transition_.start(transitionPlan(chooseEffect(random_), size(), random_),
                      transitionDelayUnitMs(settings_.transitionDelay));
    ++transitionsPlayed_;
    transitionClock_.start();
    transitionTimer_.start();
    transitionFrame();
}

void PictureView::transitionFrame()
{
    for (const QRect& copy : transition_.advance(transitionClock_.elapsed()))
        revealed_ += copy;
    if (!transition_.running())
        finishTransition();
    update();
}

void PictureView::finishTransition()
{
    if (previousFrame_.isNull())
        return;
    transitionTimer_.stop();
    previousFrame_ = QPixmap();
    transition_.finish();
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
    const ViewerButton* button = buttonUnder(at);
    if (!button && cropPress(at))
        return;
    switch (viewerPress({button != nullptr, zoomOn_, !panoramaBar_->isHidden(), count_ == 0,
                         infoBoxRect().contains(at)})) {
    case ViewerPress::Button:
        unsetCursor();
        pressedCommand_ = button->command;
        update();
        if (button->enabled)
            Q_EMIT commandChosen(button->command, event->modifiers().testFlag(Qt::ControlModifier));
        break;
    case ViewerPress::ZoomDrag:
        zoomDragging_ = true;
        dragStart_ = at;
        dragStartOffset_ = zoom_.offset;
        dragInNavigator_ = QRect(QPoint(0, 0), navigator_.size).contains(at);
        break;
    case ViewerPress::PanoramaDrag:
        panoramaDragging_ = true;
        dragStart_ = at;
        dragStartPosition_ = panoramaBar_->value();
        break;
    case ViewerPress::InfoBox: cycleInfoBox(); break;
    case ViewerPress::PictureDrag: beginPictureDrag(at); break;
    }
}

void PictureView::mouseReleaseEvent(QMouseEvent* event)
{
    zoomDragging_ = false;
    panoramaDragging_ = false;
    if (cropDragging_) {
        cropDragging_ = false;
        crop_.release();
        update();
    }
    if (pressedCommand_ != 0) {
        pressedCommand_ = 0;
        update();
    }
    endPictureDrag(*event);
}

void PictureView::wheelEvent(QWheelEvent* event)
{
    const int direction = event->angleDelta().y() > 0 ? 1 : event->angleDelta().y() < 0 ? -1 : 0;
    switch (viewerWheel(direction, zoomOn_, pictureOnly_)) {
    case ViewerWheel::ZoomIn: zoomIn(); break;
    case ViewerWheel::ZoomOut: zoomOut(); break;
    case ViewerWheel::ShowPrevious: Q_EMIT stepRequested(-1); break;
    case ViewerWheel::ShowNext: Q_EMIT stepRequested(1); break;
    case ViewerWheel::FocusNext: Q_EMIT stripFocusRequested(1); break;
    case ViewerWheel::FocusPrevious: Q_EMIT stripFocusRequested(-1); break;
    case ViewerWheel::Nothing: break;
    }
}

void PictureView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (const int hot = buttonAt(at); hot != hotCommand_) {
        hotCommand_ = hot;
        update();
    }
    if (movePictureDrag(*event) || cropMove(*event))
        return;
    if (zoomOn_) {
        const bool overNavigator = QRect(QPoint(0, 0), navigator_.size).contains(at);
        setCursor(overNavigator ? Qt::SizeAllCursor : Qt::OpenHandCursor);
        if (zoomDragging_) {
            const QPoint moved = at - dragStart_;
            zoom_.offset = dragStartOffset_ + (dragInNavigator_ ? navigatorDrag(navigator_, zoom_, moved) : moved);
            zoom_.clamp(zoomedLogical(), size());
            fillZoomTiles();
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
    if (event->button() == Qt::LeftButton && cropOn_)
        Q_EMIT cropApplyRequested();
    else if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
}

} // namespace vistello

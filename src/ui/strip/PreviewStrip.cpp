#include "ui/strip/PreviewStrip.h"

#include "app/window/overview/NameLayout.h"
#include "app/window/viewer/DevicePixels.h"
#include "core/filetypes/CompanionSound.h"
#include "core/lists/PictureLists.h"
#include "jpegmeta/info/PictureInfoText.h"
#include "resources/MediaMarks.h"
#include "ui/common/FileDrag.h"
#include "ui/common/FlatScrollBar.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>

namespace vistello {

namespace {

using G = PreviewGeometry;

const QColor kFocusBlue(49, 106, 197);
constexpr int kDefaultCacheSize = 25;

} // namespace

PreviewStrip::PreviewStrip(PictureLists& lists, QWidget* parent)
    : QWidget(parent), lists_(lists), scrollBar_(new FlatScrollBar(Qt::Horizontal, this))
{
    setObjectName(QStringLiteral("previewStrip"));
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    thumbnails_.setReduceLimit(1, 1);
    thumbnails_.setCacheCapacity(kDefaultCacheSize);
    scrollBar_->setObjectName(QStringLiteral("previewScrollBar"));
    scrollBar_->setSingleStep(1);
    // The bar only moves the focus; what it does is decided per action.
    connect(scrollBar_, &QScrollBar::actionTriggered, this, &PreviewStrip::scrollAction);
}

void PreviewStrip::setCacheSize(int size)
{
    thumbnails_.setCacheCapacity(std::clamp(size, 1, 10000));
}

void PreviewStrip::scrollAction(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: model_.next(); break;
    case QAbstractSlider::SliderSingleStepSub: model_.previous(); break;
    case QAbstractSlider::SliderPageStepAdd: model_.pageForward(); break;
    case QAbstractSlider::SliderPageStepSub: model_.pageBack(); break;
    case QAbstractSlider::SliderMove: model_.setFocusIndex(scrollBar_->sliderPosition()); break;
    default: return;
    }
    render();
    // The bar applies this position once the action is handled.
    scrollBar_->setSliderPosition(model_.focusIndex());
}

PreviewStrip::~PreviewStrip() = default;

void PreviewStrip::setSoundMarks(bool on)
{
    thumbnails_.setShowMediaMarks(on);
    thumbnails_.cache().clear();
    render();
}

int PreviewStrip::preferredHeight() const
{
    return G::stripHeight(fontMetrics().height());
}

void PreviewStrip::setUserSelect(bool on)
{
    userSelect_ = on;
    update();
}

void PreviewStrip::listChanged()
{
    const PictureList& list = lists_.current();
    // Each folder is listed once for the sound files while the list stays.
    const QString first = list.count() > 0 ? list.entries().at(0) : QString();
    if (!sounds_ || first != listedFirst_ || list.count() != listedCount_) {
        sounds_ = std::make_unique<CompanionSoundIndex>();
        thumbnails_.setCompanionSoundIndex(sounds_.get());
        listedFirst_ = first;
        listedCount_ = list.count();
    }
    model_.setCount(list.count());
    model_.setFocusIndex(list.count() > 0 ? list.currentIndex() : 0);
    render();
}

void PreviewStrip::setTextColour(const QColor& colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Text, colour);
    setPalette(colours);
}

void PreviewStrip::refreshAll()
{
    thumbnails_.cache().clear();
    sounds_.reset(); // sound files may have come or gone too
    listChanged();
}

void PreviewStrip::pictureChanged(const QString& path)
{
    thumbnails_.fileChanged(path);
    render();
}

void PreviewStrip::pictureRemoved(const QString& path, int)
{
    thumbnails_.fileChanged(path);
    listChanged();
}

void PreviewStrip::pictureAdded(const QString&, int)
{
    listChanged();
}

void PreviewStrip::pictureReplaced(const QString& path, int)
{
    thumbnails_.fileChanged(path);
    listChanged();
}

bool PreviewStrip::handleKey(int key)
{
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Down: model_.next(); break;
    case Qt::Key_Left:
    case Qt::Key_Up: model_.previous(); break;
    case Qt::Key_PageDown: model_.pageForward(); break;
    case Qt::Key_PageUp: model_.pageBack(); break;
    case Qt::Key_Home:
        model_.first();
        render();
        if (model_.count() > 0)
            Q_EMIT showPicture(0);
        return true;
    default: return false;
    }
    render();
    return true;
}

void PreviewStrip::showFocused()
{
    const PictureList& list = lists_.current();
    if (list.count() > 0 && model_.focusIndex() != list.currentIndex())
        Q_EMIT showPicture(model_.focusIndex());
}

void PreviewStrip::render()
{
    const PathArray& entries = lists_.current().entries();
    const QFontMetrics metrics = fontMetrics();
    const TextWidth measure = [&metrics](const QString& text) { return metrics.horizontalAdvance(text); };
    scrollBar_->setRange(0, model_.scrollMaximum());
    scrollBar_->setPageStep(model_.scrollPage());
    if (!scrollBar_->isSliderDown())
        scrollBar_->setValue(model_.focusIndex());
    slots_.assign(size_t(model_.slots()), {});
    const QSize box = toDevice(QSize(G::kThumbWidth, G::kThumbHeight), devicePixelRatioF()); // sharp on scaled screens
    thumbnails_.setBox(box.width(), box.height());
    for (int k = 0; k < model_.slots(); ++k) {
        Slot& slot = slots_[size_t(k)];
        slot.path = entries.at(model_.pictureInSlot(k));
        if (thumbnails_.loadThumbnail(slot.path)) {
            slot.thumbnail = thumbnails_.image();
            slot.soundMark = mediaMarkImage(thumbnails_.mediaMark());
        }
        slot.nameLines = nameLines(QFileInfo(slot.path).fileName(), G::kThumbWidth, measure);
        slot.marked = lists_.isMarked(slot.path);
    }
    update();
}

void PreviewStrip::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    scrollBar_->setGeometry(0, height() - FlatScrollBar::Thickness, width(), FlatScrollBar::Thickness);
    model_.setWidth(width());
    render();
}

void PreviewStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    if (slots_.empty())
        return;
    const int textHeight = fontMetrics().height();
    painter.setPen(palette().color(QPalette::Text));
    for (int k = 0; k < int(slots_.size()); ++k) {
        const Slot& slot = slots_[size_t(k)];
        const QRect area = G::thumbRect(k);
        if (!slot.thumbnail.isNull()) {
            QRectF fitted(QPointF(), QSizeF(slot.thumbnail.size()).scaled(QSizeF(area.size()), Qt::KeepAspectRatio));
            fitted.moveCenter(QRectF(area).center());
            painter.drawImage(fitted, slot.thumbnail);
        }
        if (!slot.soundMark.isNull())
            painter.drawImage(area.bottomRight() + QPoint(1, 1) - QPoint(slot.soundMark.width(), slot.soundMark.height()),
                              slot.soundMark);
        const QRect names = G::nameRect(k, textHeight);
        const bool focused = k == model_.focusSlot();
        for (int shift = 0; shift <= (focused ? 1 : 0); ++shift)
            painter.drawText(names.translated(shift, 0), Qt::AlignHCenter | Qt::AlignTop,
                             slot.nameLines.join(QLatin1Char('\n')));
        if (focused) {
            painter.setPen(kFocusBlue);
            for (int distance = 1; distance <= 3; ++distance)
                painter.drawRect(area.adjusted(-distance, -distance, distance - 1, distance - 1));
            painter.setPen(palette().color(QPalette::Text));
        }
        if (userSelect_) {
            const QRect box = G::checkBoxRect(k);
            painter.fillRect(box, Qt::white);
            painter.drawRect(box.adjusted(0, 0, -1, -1));
            if (slot.marked) {
                const int x = area.x();
                for (int j = area.bottom() + 1 - 6; j <= area.bottom() + 1 - 4; ++j)
                    painter.drawPolyline(QPolygon({QPoint(x + 1, j), QPoint(x + 3, j + 2), QPoint(x + 8, j - 3)}));
            }
        }
    }
    painter.drawText(G::counterPos(textHeight) + QPoint(0, fontMetrics().ascent()), model_.counterText());
}

void PreviewStrip::mousePressEvent(QMouseEvent* event)
{
    pressedSlot_ = -1;
    if (event->button() != Qt::LeftButton)
        return;
    const PreviewHit hit = model_.hitTest(event->position().toPoint(), userSelect_);
    switch (hit.kind) {
    case PreviewHit::Previous: model_.previous(); render(); break;
    case PreviewHit::Next: model_.next(); render(); break;
    case PreviewHit::Picture:
    case PreviewHit::CheckBox:
        pressedSlot_ = hit.slot;
        pressPoint_ = event->position().toPoint();
        break;
    case PreviewHit::Nothing: break;
    }
}

void PreviewStrip::mouseReleaseEvent(QMouseEvent* event)
{
    const PreviewHit hit = model_.hitTest(event->position().toPoint(), userSelect_);
    const int pressed = std::exchange(pressedSlot_, -1);
    if (event->button() != Qt::LeftButton || pressed < 0 || hit.slot != pressed)
        return;
    const QString path = slots_[size_t(hit.slot)].path;
    if (hit.kind == PreviewHit::CheckBox) {
        lists_.setMarked(path, !lists_.isMarked(path));
        render();
        return;
    }
    model_.focusSlotAt(hit.slot);
    render();
    Q_EMIT showPicture(hit.index);
}

void PreviewStrip::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT pointerMoved(int(event->position().x()));
    if (pressedSlot_ >= 0 && (event->buttons() & Qt::LeftButton)) {
        const QPoint moved = event->position().toPoint() - pressPoint_;
        const int threshold = QApplication::startDragDistance() / 2;
        if ((std::abs(moved.x()) > threshold || std::abs(moved.y()) > threshold) && dragAllowed_ && dragAllowed_())
            startDrag();
        return;
    }
    if (event->buttons() != Qt::NoButton)
        return;
    const PreviewHit hit = model_.hitTest(event->position().toPoint(), userSelect_);
    if (hit.slot < 0 || hit.index == hovered_)
        return;
    hovered_ = hit.index;
    const QString path = slots_[size_t(hit.slot)].path;
    Q_EMIT pictureHovered(path);
    if (!toolTips_)
        return;
    const QString text = pictureInfoText(path, modifiedDateText(path), QFileInfo(path).size()).left(kMaxInfoText);
    // File names and EXIF strings are shown as they are, never as markup.
    QToolTip::showText(event->globalPosition().toPoint(), plainToolTip(text), this);
}

void PreviewStrip::startDrag()
{
    const size_t pressed = size_t(std::exchange(pressedSlot_, -1));
    if (pressed >= slots_.size()) // the strip changed under the button
        return;
    const Slot& slot = slots_[pressed];
    startFileDrag(this, {slot.path}, QPixmap::fromImage(slot.thumbnail));
}

void PreviewStrip::contextMenuEvent(QContextMenuEvent* event)
{
    const PreviewHit hit = model_.hitTest(event->pos(), userSelect_);
    if (hit.slot >= 0)
        Q_EMIT extrasMenuRequested(slots_[size_t(hit.slot)].path, event->globalPos());
}

void PreviewStrip::leaveEvent(QEvent* event)
{
    hovered_ = -1;
    QWidget::leaveEvent(event);
}

void PreviewStrip::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta > 0)
        model_.next();
    else if (delta < 0)
        model_.previous();
    render();
}

} // namespace vistello

#include "app/window/viewer/CropTracker.h"

#include <algorithm>
#include <cmath>

namespace vistello {

namespace {

using i64 = long long;

constexpr int kGrow = 5; // a press this far outside still grabs the rectangle
constexpr int kBand = 4; // pixels either side of an edge that grab it

i64 atLeastOne(i64 v) { return v < 1 ? 1 : v; }

// Rounds toward minus infinity, also for negative numerators.
i64 floorDiv(i64 a, i64 b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

} // namespace

CropTracker::Edges CropTracker::edgesOf(CropZone zone)
{
    switch (zone) {
    case CropZone::New:
    case CropZone::BottomRight: return {false, false, true, true};
    case CropZone::TopLeft: return {true, true, false, false};
    case CropZone::TopRight: return {false, true, true, false};
    case CropZone::BottomLeft: return {true, false, false, true};
    case CropZone::Left: return {true, false, false, false};
    case CropZone::Right: return {false, false, true, false};
    case CropZone::Top: return {false, true, false, false};
    case CropZone::Bottom: return {false, false, false, true};
    case CropZone::None:
    case CropZone::Move: break;
    }
    return {};
}

void CropTracker::setLayout(const CropFrame& frame, const QRect& drawn)
{
    frame_ = frame.sanitised();
    drawn_ = QRect(drawn.topLeft(), QSize(std::max(drawn.width(), 1), std::max(drawn.height(), 1)));
    // The side that fills the view sets the scale.
    if (i64(frame_.width) * drawn_.height() >= i64(frame_.height) * drawn_.width()) {
        p_ = frame_.width;
        s_ = drawn_.width();
    } else {
        p_ = frame_.height;
        s_ = drawn_.height();
    }
    setSelection(selection_);
}

void CropTracker::setSelection(const CropSelection& selection)
{
    selection_ = normaliseTyped(selection, CropEdit::None, frame_, ratio_);
    committed_ = selection_;
    previousW_ = selection_.w;
    previousH_ = selection_.h;
    blockX_ = selection_.x / frame_.blockW;
    blockY_ = selection_.y / frame_.blockH;
    screen_ = screenOf(selection_);
    drag_ = QRectF(screen_);
}

QRect CropTracker::screenOf(const CropSelection& s) const
{
    return QRect(int(drawn_.x() + i64(s.x) * s_ / p_), int(drawn_.y() + i64(s.y) * s_ / p_),
                 int(atLeastOne(i64(s.w) * s_ / p_)), int(atLeastOne(i64(s.h) * s_ / p_)));
}

double CropTracker::blockScreenWidth() const { return double(frame_.blockW) * double(s_) / double(p_); }
double CropTracker::blockScreenHeight() const { return double(frame_.blockH) * double(s_) / double(p_); }

CropZone CropTracker::zoneAt(QPoint at) const
{
    const int left = screen_.x();
    const int top = screen_.y();
    const int right = screen_.x() + screen_.width();
    const int bottom = screen_.y() + screen_.height();
    if (at.x() < left - kGrow || at.x() > right + kGrow || at.y() < top - kGrow || at.y() > bottom + kGrow)
        return CropZone::New;
    const bool l = std::abs(at.x() - left) <= kBand;
    const bool r = !l && std::abs(at.x() - right) <= kBand;
    const bool t = std::abs(at.y() - top) <= kBand;
    const bool b = !t && std::abs(at.y() - bottom) <= kBand;
    if (t && l)
        return CropZone::TopLeft;
    if (b && r)
        return CropZone::BottomRight;
    if (t && r)
        return CropZone::TopRight;
    if (b && l)
        return CropZone::BottomLeft;
    if (l)
        return CropZone::Left;
    if (r)
        return CropZone::Right;
    if (t)
        return CropZone::Top;
    if (b)
        return CropZone::Bottom;
    return CropZone::Move;
}

void CropTracker::press(QPoint at)
{
    zone_ = zoneAt(at);
    last_ = at;
    if (zone_ == CropZone::New)
        drag_ = QRectF(at.x(), at.y(), 1, 1);
}

void CropTracker::moveTo(QPoint at)
{
    if (zone_ == CropZone::None)
        return;
    const double dx = at.x() - last_.x();
    const double dy = at.y() - last_.y();
    last_ = at;
    if (zone_ == CropZone::Move) {
        drag_.translate(dx, dy);
        moveWhole();
        return;
    }
    if (zone_ == CropZone::New) {
        // Only down and to the right of the press point.
        drag_.setWidth(std::max(1.0, drag_.width() + dx));
        drag_.setHeight(std::max(1.0, drag_.height() + dy));
    } else {
        const Edges e = edgesOf(zone_);
        if (e.left)
            drag_.setLeft(drag_.left() + dx);
        if (e.right)
            drag_.setRight(drag_.right() + dx);
        if (e.top)
            drag_.setTop(drag_.top() + dy);
        if (e.bottom)
            drag_.setBottom(drag_.bottom() + dy);
    }
    normalise();
}

void CropTracker::release()
{
    zone_ = CropZone::None;
    committed_ = selection_;
    drag_ = QRectF(screen_);
}

void CropTracker::ratioRules(i64& x, i64& y, i64& w, i64& h, i64 limitW, i64 limitH, i64 startW) const
{
    const i64 right = x + w;
    const i64 bottom = y + h;
    switch (zone_) {
    case CropZone::New:
    case CropZone::BottomRight:
    case CropZone::Right:
    case CropZone::BottomLeft:
        h = guardedHeight(ratio_, w, h);
        if (y + h >= limitH) {
            const i64 room = atLeastOne(limitH - y);
            w = room * w / atLeastOne(h);
            h = room;
        }
        if (zone_ == CropZone::BottomLeft)
            x = right - w;
        break;
    case CropZone::TopRight:
    case CropZone::TopLeft:
    case CropZone::Left:
        h = guardedHeight(ratio_, w, h);
        y = bottom - h;
        if (y <= 0) {
            y = 0;
            h = bottom;
            w = widthFromHeight(ratio_, h);
        }
        if (zone_ != CropZone::TopRight)
            x = right - w;
        break;
    case CropZone::Top:
        w = guardedWidth(ratio_, w, h);
        x = right - w;
        if (x <= 0) {
            x = 0;
            w = right;
            h = guardedHeight(ratio_, startW, h);
            y = bottom - h;
        }
        break;
    case CropZone::Bottom:
        w = guardedWidth(ratio_, w, h);
        if (x + w >= limitW) {
            const i64 derived = atLeastOne(w);
            w = limitW - x;
            h = (limitW - x) * h / derived;
        }
        break;
    case CropZone::None:
    case CropZone::Move: break;
    }
}

void CropTracker::normalise()
{
    const Edges e = edgesOf(zone_);
    const i64 dw = drawn_.width();
    const i64 dh = drawn_.height();
    const i64 ax = frame_.blockW;
    const i64 ay = frame_.blockH;

    // Screen pass, relative to the drawn picture's corner.
    i64 l = i64(std::trunc(drag_.left())) - drawn_.x();
    i64 t = i64(std::trunc(drag_.top())) - drawn_.y();
    i64 r = std::min<i64>(i64(std::trunc(drag_.left() + drag_.width())) - drawn_.x(), dw);
    i64 b = std::min<i64>(i64(std::trunc(drag_.top() + drag_.height())) - drawn_.y(), dh);
    l = std::max<i64>(l, 0);
    t = std::max<i64>(t, 0);
    i64 w = r - l;
    i64 h = b - t;
    if (w <= 0) {
        if (e.left)
            l = std::min(l + w, dw - 1); // collapses onto the right edge
        w = 1;
    }
    if (h <= 0) {
        if (e.top)
            t = std::min(t + h, dh - 1);
        h = 1;
    }
    const i64 startW = w;
    if (ratio_.locked)
        ratioRules(l, t, w, h, dw, dh, startW);
    l = std::max<i64>(l, 0);
    t = std::max<i64>(t, 0);
    // The left and top edges snap down to the block boundary on screen.
    blockX_ = floorDiv(l * p_, ax * s_);
    const i64 snappedL = blockX_ * ax * s_ / p_;
    w += l - snappedL;
    l = snappedL;
    blockY_ = floorDiv(t * p_, ay * s_);
    const i64 snappedT = blockY_ * ay * s_ / p_;
    h += t - snappedT;
    t = snappedT;
    if (ratio_.locked && e.right && !e.bottom)
        w = widthFromHeight(ratio_, h);
    else if (ratio_.locked && e.bottom && !e.right)
        h = heightFromWidth(ratio_, w);
    w = atLeastOne(w);
    h = atLeastOne(h);

    // Picture pass.
    i64 x = p_ * l / s_;
    i64 y = p_ * t / s_;
    i64 pw = p_ * w / s_;
    i64 ph = p_ * h / s_;
    const i64 W = frame_.width;
    const i64 H = frame_.height;
    pw = std::min(pw, W);
    ph = std::min(ph, H);
    pw = std::min(pw, W - x);
    ph = std::min(ph, H - y);
    if (ratio_.locked)
        ratioRules(x, y, pw, ph, W, H, pw);
    x = std::max<i64>(x, 0);
    y = std::max<i64>(y, 0);

    // Block snapping: the right and bottom edges stay where they are.
    i64 prevW = previousW_;
    i64 prevH = previousH_;
    auto snap = [](i64& pos, i64& size, i64& previous, i64 block, i64 index, bool edgeDragged, i64 limit) {
        const i64 remainder = pos % block;
        pos -= remainder;
        size += remainder;
        if (pos / block != index) {
            const i64 moved = index * block - pos;
            pos = index * block;
            size -= moved;
            previous -= moved;
        }
        if (edgeDragged)
            size += (previous - size) % block;
        size = std::max<i64>(size, 0);
        if (pos > 0 && pos + size > limit)
            pos -= ((pos + size - limit) / block + 1) * block;
        pos = std::max<i64>(pos, 0);
    };
    snap(x, pw, prevW, ax, blockX_, e.left, W);
    snap(y, ph, prevH, ay, blockY_, e.top, H);
    if (ratio_.locked && e.right)
        pw = widthFromHeight(ratio_, ph);
    else if (ratio_.locked && e.bottom)
        ph = heightFromWidth(ratio_, pw);
    const CropSelection picked{int(std::clamp<i64>(x, 0, W)), int(std::clamp<i64>(y, 0, H)),
                               int(std::clamp<i64>(pw, 1, W)), int(std::clamp<i64>(ph, 1, H))};
    selection_ = normaliseTyped(picked, CropEdit::None, frame_, ratio_);
    previousW_ = selection_.w;
    previousH_ = selection_.h;
    screen_ = screenOf(selection_);
}

void CropTracker::moveWhole()
{
    const i64 dw = drawn_.width();
    const i64 dh = drawn_.height();
    const i64 ax = frame_.blockW;
    const i64 ay = frame_.blockH;
    const i64 sw = screen_.width();
    const i64 sh = screen_.height();
    i64 l = std::clamp<i64>(i64(std::trunc(drag_.left())) - drawn_.x(), 0, std::max<i64>(0, dw - sw));
    i64 t = std::clamp<i64>(i64(std::trunc(drag_.top())) - drawn_.y(), 0, std::max<i64>(0, dh - sh));
    // Up to the first block boundary at or right of (below) the edge.
    i64 kx = -floorDiv(-(l * p_), ax * s_);
    i64 ky = -floorDiv(-(t * p_), ay * s_);
    const i64 W = frame_.width;
    const i64 H = frame_.height;
    const i64 w = previousW_ >= 2 && previousH_ >= 2 ? previousW_ : selection_.w;
    const i64 h = previousW_ >= 2 && previousH_ >= 2 ? previousH_ : selection_.h;
    while (kx > 0 && kx * ax + w > W)
        --kx;
    while (ky > 0 && ky * ay + h > H)
        --ky;
    selection_ = normaliseTyped({int(kx * ax), int(ky * ay), int(w), int(h)}, CropEdit::None, frame_, ratio_);
    blockX_ = selection_.x / ax;
    blockY_ = selection_.y / ay;
    screen_ = screenOf(selection_);
}

} // namespace vistello

#include "app/window/strip/PreviewStripModel.h"

#include <algorithm>

namespace vistello {

using G = PreviewGeometry;

int PreviewGeometry::wholeSlots(int width)
{
    return std::max(0, (kGap + width - 2 * kLeftMargin) / kPitch);
}

QRect PreviewGeometry::thumbRect(int slot)
{
    return {kLeftMargin + slot * kPitch, kTopMargin, kThumbWidth, kThumbHeight};
}

QRect PreviewGeometry::checkBoxRect(int slot)
{
    return {kLeftMargin + slot * kPitch - 2, kTopMargin + kThumbHeight - 11, kCheckBoxSize, kCheckBoxSize};
}

QRect PreviewGeometry::nameRect(int slot, int textHeight)
{
    const QRect thumb = thumbRect(slot);
    return {thumb.x(), thumb.bottom() + 1 + 4, kThumbWidth, 2 * textHeight};
}

QPoint PreviewGeometry::counterPos(int textHeight)
{
    return {0, kTopMargin + kThumbHeight + 2 * textHeight + 4};
}

int PreviewGeometry::stripHeight(int textHeight)
{
    return kThumbHeight + 3 * textHeight + kTopMargin + 16;
}

int PreviewStripModel::slots() const
{
    return std::min(count_, G::wholeSlots(width_));
}

void PreviewStripModel::setCount(int count)
{
    count_ = std::max(0, count);
    if (focusIndex_ >= count_)
        focusIndex_ = 0;
    clampFocusSlot();
}

void PreviewStripModel::setWidth(int width)
{
    width_ = width;
    clampFocusSlot();
}

void PreviewStripModel::setFocusIndex(int index)
{
    focusIndex_ = index >= 0 && index < count_ ? index : 0;
    clampFocusSlot();
}

// With room for every picture the slot is the index; a strip without a
// single slot keeps the focus in slot 0 (a clamp to 0..-1 would invert).
void PreviewStripModel::clampFocusSlot()
{
    const int shown = slots();
    if (shown == 0)
        focusSlot_ = 0;
    else if (shown >= count_)
        focusSlot_ = focusIndex_;
    else
        focusSlot_ = std::clamp(focusSlot_, 0, std::min(shown, count_) - 1);
}

QString PreviewStripModel::counterText() const
{
    if (count_ == 0)
        return {};
    return QStringLiteral("%1/%2").arg(focusIndex_ + 1).arg(count_);
}

int PreviewStripModel::pictureInSlot(int slot) const
{
    if (count_ == 0)
        return -1;
    return ((focusIndex_ + slot - focusSlot_) % count_ + count_) % count_;
}

void PreviewStripModel::next()
{
    const int n = count_;
    const int c = G::wholeSlots(width_);
    if (n < 2 || c == 0)
        return;
    if (c >= n) {
        // Every picture has its slot: the slot is the index.
        focusIndex_ = focusSlot_ = (focusIndex_ + 1) % n;
        return;
    }
    ++focusIndex_;
    if (focusSlot_ < centreSlot())
        ++focusSlot_;
    if (focusIndex_ == n)
        focusIndex_ = focusSlot_ = 0;
    else if (n < focusIndex_ + c - focusSlot_)
        focusSlot_ = focusIndex_ + c - n;
}

void PreviewStripModel::previous()
{
    const int n = count_;
    const int c = G::wholeSlots(width_);
    if (n < 2 || c == 0)
        return;
    focusIndex_ = focusIndex_ == 0 ? n - 1 : focusIndex_ - 1;
    if (c >= n) {
        focusSlot_ = focusIndex_;
        return;
    }
    if (focusSlot_ > centreSlot())
        --focusSlot_;
    if (focusIndex_ < focusSlot_)
        focusSlot_ = focusIndex_;
    else if (focusIndex_ == n - 1)
        focusSlot_ = slots() - 1;
}

void PreviewStripModel::pageForward()
{
    const int c = G::wholeSlots(width_);
    if (count_ < 2 || c == 0 || count_ < c)
        return;
    focusIndex_ = std::min(focusIndex_ + c, count_ - 1);
    clampFocusSlot();
}

void PreviewStripModel::pageBack()
{
    const int c = G::wholeSlots(width_);
    if (count_ < 2 || c == 0)
        return;
    focusIndex_ = std::max(focusIndex_ - c, 0);
    clampFocusSlot();
}

void PreviewStripModel::first()
{
    focusIndex_ = 0;
    focusSlot_ = 0;
}

void PreviewStripModel::focusSlotAt(int slot)
{
    if (slot < 0 || slot >= slots())
        return;
    focusIndex_ = pictureInSlot(slot);
    focusSlot_ = slot;
}

PreviewHit PreviewStripModel::hitTest(QPoint at, bool userSelect) const
{
    const int shown = slots();
    if (shown == 0)
        return {};
    if (at.x() < G::kLeftMargin)
        return {PreviewHit::Previous};
    const int slot = (at.x() - G::kLeftMargin) / G::kPitch;
    if (slot >= shown)
        return {PreviewHit::Next};
    const int index = pictureInSlot(slot);
    if (userSelect && G::checkBoxRect(slot).contains(at))
        return {PreviewHit::CheckBox, slot, index};
    return {PreviewHit::Picture, slot, index};
}

} // namespace vistello

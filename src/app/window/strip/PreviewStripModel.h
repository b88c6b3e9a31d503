#pragma once
// The preview strip without its widget: which pictures its slots show,
// where the focus is and how it moves, and what a click hits.
//
// The focus stays in the centre slot while the strip scrolls and moves on
// to the right end near the end of the list; all of it wraps.
#include <QRect>
#include <QString>

namespace vistello {

struct PreviewGeometry {
    static constexpr int kLeftMargin = 3;
    static constexpr int kTopMargin = 3;
    static constexpr int kThumbWidth = 99;
    static constexpr int kThumbHeight = 66;
    static constexpr int kGap = 8;
    static constexpr int kPitch = kThumbWidth + kGap;
    static constexpr int kCheckBoxSize = 13;

    // Whole slots a strip of this width holds (0 when narrower than one).
    static int wholeSlots(int width);
    static QRect thumbRect(int slot);
    // The check box at the slot's lower left corner.
    static QRect checkBoxRect(int slot);
    static QRect nameRect(int slot, int textHeight);
    static QPoint counterPos(int textHeight);
    static int stripHeight(int textHeight);
};

struct PreviewHit {
    enum Kind { Nothing, Previous, Next, Picture, CheckBox };
    Kind kind = Nothing;
    int slot = -1;
    int index = -1; // the picture in that slot
};

class PreviewStripModel {
public:
    // Both keep the focus where it is, within the list and the slots.
    void setCount(int count);
    void setWidth(int width);
    // The list's current picture (list changed, current changed).
    void setFocusIndex(int index);

    int count() const { return count_; }
    int slots() const;
    int centreSlot() const { return (slots() - 1) / 2; }
    int focusIndex() const { return focusIndex_; }
    int focusSlot() const { return focusSlot_; }
    // "focus/count" below the slots; empty for an empty list.
    QString counterText() const;
    // The picture slot k shows.
    int pictureInSlot(int slot) const;
    // The scroll bar: one position per picture, one picture a page; a list
    // of at most one picture gets a single position and a full-length thumb.
    int scrollMaximum() const { return count_ > 1 ? count_ - 1 : 0; }
    int scrollPage() const { return count_ > 1 ? 1 : 2; }

    void next();
    void previous();
    void pageForward();
    void pageBack();
    void first();
    // A click on a slot: it takes the focus.
    void focusSlotAt(int slot);

    // userSelect: check boxes are shown and take clicks.
    PreviewHit hitTest(QPoint at, bool userSelect) const;

private:
    void clampFocusSlot();

    int count_ = 0;
    int width_ = 0;
    int focusIndex_ = 0;
    int focusSlot_ = 0;
};

} // namespace vistello

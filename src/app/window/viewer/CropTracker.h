#pragma once
// The crop rectangle on screen: the viewer hands it presses and mouse
// movements, it keeps the drag rectangle in screen pixels (fractions
// accumulate) and the selection in picture pixels, with the left and top
// edges on the picture's block grid and the ratio lock deciding per dragged
// edge which size follows the other. Painting only reads screenRect().
#include "jpegedit/crop/CropGeometry.h"

#include <QPoint>
#include <QRect>
#include <QRectF>

namespace vistello {

// Where a press lands, and so what a drag changes.
enum class CropZone {
    None = 0,
    New = 1, // outside: a new rectangle from the press point
    Move = 2,
    TopLeft = 3,
    BottomRight = 4,
    TopRight = 5,
    BottomLeft = 6,
    Left = 7,
    Right = 8,
    Top = 9,
    Bottom = 10,
};

class CropTracker {
public:
    // The picture (W x H as stored, its block size) drawn at drawn (origin
    // and size on screen). A collapsed view still gives a scale of at least 1/1.
    void setLayout(const CropFrame& frame, const QRect& drawn);
    void setRatio(const CropRatio& ratio) { ratio_ = ratio.clamped(); }
    // A selection from the page (or the starting one): shown as it is.
    void setSelection(const CropSelection& selection);

    CropZone zoneAt(QPoint at) const;
    void press(QPoint at);
    // The mouse moved to at while the button is down.
    void moveTo(QPoint at);
    void release();
    bool dragging() const { return zone_ != CropZone::None; }

    const CropSelection& selection() const { return selection_; }
    QRect screenRect() const { return screen_; }
    const CropFrame& frame() const { return frame_; }
    const CropRatio& ratio() const { return ratio_; }
    // Screen pixels per block, for the grid.
    double blockScreenWidth() const;
    double blockScreenHeight() const;
    QRect drawn() const { return drawn_; }

private:
    struct Edges {
        bool left = false, top = false, right = false, bottom = false;
    };
    static Edges edgesOf(CropZone zone);
    void normalise();
    void moveWhole();
    QRect screenOf(const CropSelection& s) const;
    void ratioRules(long long& x, long long& y, long long& w, long long& h, long long limitW, long long limitH,
                    long long startW) const;

    CropFrame frame_;
    CropRatio ratio_;
    QRect drawn_{0, 0, 1, 1};
    long long p_ = 1; // picture pixels per screen pixel: p_ / s_
    long long s_ = 1;
    QRectF drag_;
    QRect screen_;
    CropSelection selection_;
    CropSelection committed_;
    int previousW_ = 1;
    int previousH_ = 1;
    long long blockX_ = 0;
    long long blockY_ = 0;
    CropZone zone_ = CropZone::None;
    QPoint last_;
};

} // namespace vistello

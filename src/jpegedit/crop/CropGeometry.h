#pragma once
// The crop selection as the page types it: the rules that keep a rectangle
// inside the picture with its left and top edges on the block grid (except
// the offset being typed), the aspect-ratio lock, and the short form
// "WxH+X+Y". All arithmetic is 64-bit and every divisor is at least 1, so no
// typed or stored value can overflow or divide by zero.
#include <QString>
#include <QStringView>

#include <cstdint>

namespace vistello {

struct CropSelection {
    int x = 0;
    int y = 0;
    int w = 1;
    int h = 1;
    friend bool operator==(const CropSelection&, const CropSelection&) = default;
};

// The picture as stored and its block (iMCU) size; sanitised() makes every
// field at least 1, so a handler's 0 cannot reach a division.
struct CropFrame {
    int width = 1;
    int height = 1;
    int blockW = 8;
    int blockH = 8;
    CropFrame sanitised() const;
};

// Largest part of a ratio: keeps Z and N products far inside 64 bits.
inline constexpr int kMaxRatioPart = 100000;

struct CropRatio {
    bool locked = false;
    int z = 1; // width part
    int n = 1; // height part
    CropRatio clamped() const; // Z and N in 1..kMaxRatioPart
    friend bool operator==(const CropRatio&, const CropRatio&) = default;
};

// Which value the user typed last (the page's edit ids).
enum class CropEdit { None = 0, Width = 1, Height = 2, Left = 3, Top = 4, ShortForm = 5 };

// Ratio products: height from width N*w/Z, width from height Z*h/N.
int64_t heightFromWidth(const CropRatio& ratio, int64_t w);
int64_t widthFromHeight(const CropRatio& ratio, int64_t h);
// Leaves h alone when the rectangle already has the ratio up to rounding.
int64_t guardedHeight(const CropRatio& ratio, int64_t w, int64_t h);
int64_t guardedWidth(const CropRatio& ratio, int64_t w, int64_t h);

// The normalisation after typing the value of one edit (None: no change
// except keeping the rectangle inside the picture).
CropSelection normaliseTyped(const CropSelection& typed, CropEdit edit, const CropFrame& frame,
                             const CropRatio& ratio);

// A typed number: its leading decimal digits, 0 without any, saturating
// far above any picture size (an 11-digit value does not wrap).
int typedValue(QStringView text);

struct ShortFormInput {
    CropSelection values; // as typed, not yet limited
    CropEdit kind = CropEdit::Width;
};
// The four numbers of a typed short form and the edit the caret position
// makes it count as (after the last "+": top, after the first: left).
ShortFormInput parseShortForm(QStringView text, int caret);
CropSelection normaliseShortForm(QStringView text, int caret, const CropFrame& frame, const CropRatio& ratio);
QString shortForm(const CropSelection& selection); // "%dx%d+%d+%d"

// The lock turned to the picture's shape: wide pictures get the wider ratio.
CropRatio turnedToShape(const CropRatio& ratio, int width, int height);
// After turning the lock on: the height fitted to the ratio, the width
// shrunk when that height does not fit below the top edge.
CropSelection fitHeightToRatio(const CropSelection& selection, const CropFrame& frame, const CropRatio& ratio);
// The selection crop mode starts with: the largest rectangle of the (turned)
// ratio, or the stored one when unlocked.
CropSelection startingSelection(const CropFrame& frame, const CropRatio& ratio, const CropSelection* stored);
// Presets "1:1", "2:3", "3:4", "9:13", turned for pictures at least as wide as high.
CropRatio presetRatio(int entry, int width, int height, bool locked);
// Z and N reduced by their greatest common divisor (0 counts as 1).
CropRatio reducedRatio(int z, int n, bool locked);

// "CropRect": x, y, w, h as 32-bit little-endian signed integers.
QByteArray cropRectBytes(const CropSelection& selection);
bool cropRectFromBytes(const QByteArray& bytes, CropSelection& selection);

} // namespace vistello

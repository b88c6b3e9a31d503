#include "jpegedit/crop/CropGeometry.h"

#include <QByteArray>
#include <QtEndian>

#include <algorithm>
#include <climits>
#include <numeric>

namespace vistello {

namespace {

// Typed values saturate here: larger than any picture side, small enough
// that products with a ratio part stay far inside 64 bits.
constexpr int64_t kValueLimit = 999999999;

int64_t atLeastOne(int64_t v) { return v < 1 ? 1 : v; }

int64_t roundDown(int64_t v, int64_t unit) { return v - v % atLeastOne(unit); }

// The working rectangle of a normalisation, in 64 bits.
struct Rect {
    int64_t x, y, w, h;
};

// Bound of values from outside: products of two stay inside 64 bits.
constexpr int64_t kBound = INT32_MAX;

int64_t bounded(int64_t v) { return std::clamp(v, -kBound, kBound); }

// Values from outside are bounded first, so every product below fits.
Rect widen(const CropSelection& s) { return {bounded(s.x), bounded(s.y), bounded(s.w), bounded(s.h)}; }

// The invariants every normalisation ends with: 0 <= x, 0 <= y, w >= 1,
// h >= 1, inside the picture.
CropSelection inside(Rect r, int64_t W, int64_t H)
{
    r.w = std::clamp<int64_t>(r.w, 1, W);
    r.h = std::clamp<int64_t>(r.h, 1, H);
    r.x = std::clamp<int64_t>(r.x, 0, W - r.w);
    r.y = std::clamp<int64_t>(r.y, 0, H - r.h);
    return {int(r.x), int(r.y), int(r.w), int(r.h)};
}

// When the derived height no longer fits (roomW x roomH left), the largest
// rectangle of the same shape that does.
void fitIntoRoom(Rect& r, int64_t roomW, int64_t roomH)
{
    roomW = atLeastOne(roomW);
    roomH = atLeastOne(roomH);
    if (roomH * r.w < roomW * r.h) {
        r.w = roomH * r.w / atLeastOne(r.h);
        r.h = roomH;
    } else {
        r.h = roomW * r.h / atLeastOne(r.w);
        r.w = roomW;
    }
}

} // namespace

CropFrame CropFrame::sanitised() const
{
    return {std::max(width, 1), std::max(height, 1), std::max(blockW, 1), std::max(blockH, 1)};
}

CropRatio CropRatio::clamped() const
{
    return {locked, std::clamp(z, 1, kMaxRatioPart), std::clamp(n, 1, kMaxRatioPart)};
}

int64_t heightFromWidth(const CropRatio& ratio, int64_t w)
{
    const CropRatio r = ratio.clamped();
    return bounded(int64_t(r.n) * bounded(w) / r.z);
}

int64_t widthFromHeight(const CropRatio& ratio, int64_t h)
{
    const CropRatio r = ratio.clamped();
    return bounded(int64_t(r.z) * bounded(h) / r.n);
}

int64_t guardedHeight(const CropRatio& ratio, int64_t w, int64_t h)
{
    const int64_t derived = heightFromWidth(ratio, w);
    return h == derived || w == widthFromHeight(ratio, h) ? h : derived;
}

int64_t guardedWidth(const CropRatio& ratio, int64_t w, int64_t h)
{
    const int64_t derived = widthFromHeight(ratio, h);
    return w == derived || h == heightFromWidth(ratio, w) ? w : derived;
}

CropSelection normaliseTyped(const CropSelection& typed, CropEdit edit, const CropFrame& rawFrame,
                             const CropRatio& rawRatio)
{
    const CropFrame f = rawFrame.sanitised();
    const CropRatio ratio = rawRatio.clamped();
    const int64_t W = f.width;
    const int64_t H = f.height;
    Rect r = widen(typed);
    switch (edit) {
    case CropEdit::None:
    case CropEdit::ShortForm: break;
    case CropEdit::Width:
        r.x = roundDown(r.x, f.blockW);
        r.y = roundDown(r.y, f.blockH);
        r.w = std::clamp<int64_t>(r.w, 1, W);
        if (ratio.locked) {
            r.h = guardedHeight(ratio, r.w, r.h);
            if (r.h >= H)
                fitIntoRoom(r, W, H);
        }
        break;
    case CropEdit::Height:
        r.x = roundDown(r.x, f.blockW);
        r.y = roundDown(r.y, f.blockH);
        r.h = std::clamp<int64_t>(r.h, 1, H);
        if (ratio.locked) {
            r.w = guardedWidth(ratio, r.w, r.h);
            if (r.w >= W)
                fitIntoRoom(r, W, H);
        }
        break;
    case CropEdit::Left:
        r.y = roundDown(r.y, f.blockH);
        r.x = std::clamp<int64_t>(r.x, 0, W - 1);
        r.y = std::clamp<int64_t>(r.y, 0, H - 1);
        r.w = std::clamp<int64_t>(r.w, 1, W - r.x);
        if (ratio.locked) {
            r.h = guardedHeight(ratio, r.w, r.h);
            if (r.h >= H - r.y)
                fitIntoRoom(r, W - r.x, H - r.y);
        }
        r.h = std::clamp<int64_t>(r.h, 1, H - r.y);
        break;
    case CropEdit::Top:
        r.x = roundDown(r.x, f.blockW);
        r.x = std::clamp<int64_t>(r.x, 0, W - 1);
        r.y = std::clamp<int64_t>(r.y, 0, H - 1);
        r.h = std::clamp<int64_t>(r.h, 1, H - r.y);
        if (ratio.locked && heightFromWidth(ratio, r.w) != r.h) {
            r.w = widthFromHeight(ratio, r.h);
            if (r.w >= W - r.x)
                fitIntoRoom(r, W - r.x, H - r.y);
        }
        r.w = std::clamp<int64_t>(r.w, 1, W - r.x);
        break;
    }
    return inside(r, W, H);
}

int typedValue(QStringView text)
{
    int64_t value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = std::min(kValueLimit, value * 10 + (c.unicode() - '0'));
    }
    return int(value);
}

ShortFormInput parseShortForm(QStringView rawText, int caret)
{
    ShortFormInput input;
    const qsizetype a = rawText.indexOf(QLatin1Char('x'));
    const qsizetype c = rawText.indexOf(QLatin1Char('+'));
    const qsizetype b = rawText.lastIndexOf(QLatin1Char('+'));
    if (a > 0 && c > 0 && b > 0 && a < c && c < b && caret > c)
        input.kind = caret > b ? CropEdit::Top : CropEdit::Left;

    const QString text = rawText.toString() + QLatin1Char(' ');
    const qsizetype end = text.size();
    qsizetype i = 0;
    auto skipToDigit = [&] {
        while (i < end && !text[i].isDigit())
            ++i;
    };
    // A part runs from i up to the stop character; its value is its leading digits.
    auto part = [&](auto isStop) {
        const qsizetype start = i;
        while (i < end && !isStop(text[i]))
            ++i;
        return typedValue(QStringView(text).mid(start, i - start));
    };
    const auto isPlus = [](QChar ch) { return ch == QLatin1Char('+'); };
    CropSelection& v = input.values;
    v = {0, 0, 0, 0};
    skipToDigit();
    if (i >= end)
        return input;
    v.w = part([](QChar ch) { return ch == QLatin1Char('x') || ch == QLatin1Char('X'); });
    skipToDigit();
    if (i >= end)
        return input;
    v.h = part(isPlus);
    skipToDigit();
    if (i >= end)
        return input;
    v.x = part(isPlus);
    skipToDigit();
    if (i >= end)
        return input;
    v.y = part([](QChar ch) { return !ch.isDigit(); });
    return input;
}

CropSelection normaliseShortForm(QStringView text, int caret, const CropFrame& frame, const CropRatio& ratio)
{
    const ShortFormInput input = parseShortForm(text, caret);
    return normaliseTyped(input.values, input.kind, frame, ratio);
}

QString shortForm(const CropSelection& s)
{
    return QStringLiteral("%1x%2+%3+%4").arg(s.w).arg(s.h).arg(s.x).arg(s.y);
}

CropRatio turnedToShape(const CropRatio& ratio, int width, int height)
{
    CropRatio r = ratio.clamped();
    if ((width > height && r.z < r.n) || (width <= height && r.z > r.n))
        std::swap(r.z, r.n);
    return r;
}

CropSelection fitHeightToRatio(const CropSelection& selection, const CropFrame& rawFrame, const CropRatio& ratio)
{
    const CropFrame f = rawFrame.sanitised();
    Rect r = widen(selection);
    r.h = guardedHeight(ratio, r.w, r.h);
    const int64_t room = std::max<int64_t>(1, f.height - r.y);
    if (r.h >= room) {
        r.w = room * r.w / atLeastOne(r.h);
        r.h = room;
    }
    return inside(r, f.width, f.height);
}

CropSelection startingSelection(const CropFrame& rawFrame, const CropRatio& ratio, const CropSelection* stored)
{
    const CropFrame f = rawFrame.sanitised();
    if (!ratio.locked) {
        const CropSelection start = stored ? *stored : CropSelection{};
        return normaliseShortForm(shortForm(start), 0, f, ratio);
    }
    const CropRatio turned = turnedToShape(ratio, f.width, f.height);
    Rect r{0, 0, f.width, f.height};
    if (f.width > f.height)
        r.h = heightFromWidth(turned, f.width);
    else
        r.w = widthFromHeight(turned, f.height);
    r.w = std::clamp<int64_t>(r.w, 1, f.width);
    r.h = std::max<int64_t>(r.h, 1);
    return fitHeightToRatio({0, 0, int(r.w), int(std::min<int64_t>(r.h, kValueLimit))}, f, turned);
}

CropRatio presetRatio(int entry, int width, int height, bool locked)
{
    static constexpr int kPresets[][2] = {{1, 1}, {2, 3}, {3, 4}, {9, 13}};
    const int* preset = entry >= 0 && entry < 4 ? kPresets[entry] : kPresets[0];
    CropRatio r{locked, preset[0], preset[1]};
    if (width >= height)
        std::swap(r.z, r.n);
    return r;
}

CropRatio reducedRatio(int z, int n, bool locked)
{
    CropRatio r = CropRatio{locked, z, n}.clamped();
    const int g = std::gcd(r.z, r.n);
    return {locked, r.z / g, r.n / g};
}

QByteArray cropRectBytes(const CropSelection& s)
{
    QByteArray bytes(16, '\0');
    const qint32 values[4] = {s.x, s.y, s.w, s.h};
    for (int i = 0; i < 4; ++i)
        qToLittleEndian<qint32>(values[i], bytes.data() + 4 * i);
    return bytes;
}

bool cropRectFromBytes(const QByteArray& bytes, CropSelection& s)
{
    if (bytes.size() != 16)
        return false;
    s.x = qFromLittleEndian<qint32>(bytes.constData());
    s.y = qFromLittleEndian<qint32>(bytes.constData() + 4);
    s.w = qFromLittleEndian<qint32>(bytes.constData() + 8);
    s.h = qFromLittleEndian<qint32>(bytes.constData() + 12);
    return true;
}

} // namespace vistello

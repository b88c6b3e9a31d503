#include "app/window/redeye/RedEyeDrag.h"

#include <algorithm>
#include <cstdlib>

namespace vistello {

namespace {

bool near(int a, int b) { return std::abs(a - b) <= kGrabMargin; }

// Both coordinates inside the selection grown by the margin.
bool inGrown(const RedEyeRect& r, QPoint p)
{
    return !r.empty() && p.x() >= r.left - kGrabMargin && p.x() <= r.right + kGrabMargin && p.y() >= r.top - kGrabMargin
           && p.y() <= r.bottom + kGrabMargin;
}

int limited(int value, int low, int high) { return std::clamp(value, low, std::max(low, high)); }

} // namespace

DragMode grabAt(const RedEyeRect& r, QPoint p)
{
    if (!inGrown(r, p))
        return DragMode::New;
    const bool left = near(p.x(), r.left);
    const bool right = near(p.x(), r.right);
    const bool top = near(p.y(), r.top);
    const bool bottom = near(p.y(), r.bottom);
    if (left && top)
        return DragMode::TopLeft;
    if (right && top)
        return DragMode::TopRight;
    if (left && bottom)
        return DragMode::BottomLeft;
    if (right && bottom)
        return DragMode::BottomRight;
    if (left)
        return DragMode::Left;
    if (right)
        return DragMode::Right;
    if (top)
        return DragMode::Top;
    if (bottom)
        return DragMode::Bottom;
    return DragMode::Move;
}

RedEyeRect dragRect(const RedEyeRect& rect, DragMode mode, QPoint anchor, QPoint point, QPoint delta, int width,
                    int height)
{
    RedEyeRect r = rect;
    switch (mode) {
    case DragMode::None: return rect;
    case DragMode::New: {
        r = normalisedRect({anchor.x(), anchor.y(), point.x(), point.y()}, width, height);
        r.right = std::max(r.right, std::min(r.left + 1, width));
        r.bottom = std::max(r.bottom, std::min(r.top + 1, height));
        r.left = std::min(r.left, r.right - 1);
        r.top = std::min(r.top, r.bottom - 1);
        return r;
    }
    case DragMode::Move: {
        const int w = std::min(rect.width(), width);
        const int h = std::min(rect.height(), height);
        r.left = limited(rect.left + delta.x(), 0, width - w);
        r.top = limited(rect.top + delta.y(), 0, height - h);
        r.right = r.left + w;
        r.bottom = r.top + h;
        return r;
    }
    default: break;
    }
    const bool left = mode == DragMode::TopLeft || mode == DragMode::BottomLeft || mode == DragMode::Left;
    const bool right = mode == DragMode::TopRight || mode == DragMode::BottomRight || mode == DragMode::Right;
    const bool top = mode == DragMode::TopLeft || mode == DragMode::TopRight || mode == DragMode::Top;
    const bool bottom = mode == DragMode::BottomLeft || mode == DragMode::BottomRight || mode == DragMode::Bottom;
    if (left)
        r.left = limited(rect.left + delta.x(), 0, rect.right - 1);
    if (right)
        r.right = limited(rect.right + delta.x(), rect.left + 1, width);
    if (top)
        r.top = limited(rect.top + delta.y(), 0, rect.bottom - 1);
    if (bottom)
        r.bottom = limited(rect.bottom + delta.y(), rect.top + 1, height);
    return r;
}

Qt::CursorShape cursorAt(const RedEyeRect& selection, QPoint point)
{
    switch (grabAt(selection, point)) {
    case DragMode::Move: return Qt::SizeAllCursor;
    case DragMode::TopLeft:
    case DragMode::BottomRight: return Qt::SizeFDiagCursor;
    case DragMode::TopRight:
    case DragMode::BottomLeft: return Qt::SizeBDiagCursor;
    case DragMode::Left:
    case DragMode::Right: return Qt::SizeHorCursor;
    case DragMode::Top:
    case DragMode::Bottom: return Qt::SizeVerCursor;
    default: return Qt::ArrowCursor;
    }
}

bool inAutoScrollBand(QPoint p, QSize client)
{
    return p.y() < 15 || p.y() > client.height() - 15 || p.x() < 10 || p.x() > client.width() - 10;
}

QPoint autoScrollStep(QPoint p, QSize client)
{
    int dx = 0;
    int dy = 0;
    if (p.y() < 7)
        dy = -1;
    else if (p.y() > client.height() - 7)
        dy = 1;
    if (p.x() < 7)
        dx = -1;
    else if (p.x() > client.width() - 7)
        dx = 1;
    return {dx, dy};
}

} // namespace vistello

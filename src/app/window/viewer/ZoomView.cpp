#include "app/window/viewer/ZoomView.h"

#include <algorithm>

namespace vistello {

namespace {

int zoomInAxis(int x, int e, int client, int level)
{
    const int k = 2 * level + 6;
    return (2 * level + 8) * e / 8 < client ? x - e / k : x + 2 * x / k - client / k;
}

int zoomOutAxis(int x, int e, int client, int level)
{
    const int k = 2 * level + 10;
    return (2 * level + 8) * e / 8 < client ? x + e / k : x + client / k - 2 * x / k;
}

int clampAxis(int x, int length, int client)
{
    return length < client ? std::clamp(x, 0, client - length) : std::clamp(x, client - length, 0);
}

} // namespace

void ZoomView::zoomIn(QSize zoomed, QSize client)
{
    if (!canZoomIn())
        return;
    ++level;
    offset = {zoomInAxis(offset.x(), zoomed.width(), client.width(), level),
              zoomInAxis(offset.y(), zoomed.height(), client.height(), level)};
}

void ZoomView::zoomOut(QSize zoomed, QSize client)
{
    if (!canZoomOut())
        return;
    --level;
    offset = {zoomOutAxis(offset.x(), zoomed.width(), client.width(), level),
              zoomOutAxis(offset.y(), zoomed.height(), client.height(), level)};
}

void ZoomView::clamp(QSize zoomed, QSize client)
{
    level = std::clamp(level, kMinLevel, kMaxLevel);
    offset = {clampAxis(offset.x(), zoomed.width(), client.width()),
              clampAxis(offset.y(), zoomed.height(), client.height())};
}

Navigator navigatorFor(QSize picture)
{
    const int gx = picture.width() > 1500 ? picture.width() / 150 : 10;
    const int gy = picture.height() > 1000 ? picture.height() / 100 : 10;
    const int g = std::max({gx, gy, 1});
    return {g, QSize(picture.width() / g, picture.height() / g)};
}

QRect navigatorMark(const Navigator& nav, QSize picture, QSize zoomed, QPoint offset, QSize client)
{
    const int e = std::max(zoomed.width(), 1);
    const int num = picture.width() / nav.divisor; // one ratio for both axes
    const auto scaled = [&](int v) { return int(int64_t(v) * num / e); };
    const int left = std::max(-offset.x(), 0);
    const int top = std::max(-offset.y(), 0);
    const int right = std::min(client.width() - offset.x(), zoomed.width());
    const int bottom = std::min(client.height() - offset.y(), zoomed.height());
    return QRect(QPoint(scaled(left), scaled(top)), QPoint(scaled(right) - 1, scaled(bottom) - 1));
}

QPoint navigatorDrag(const Navigator& nav, const ZoomView& zoom, QPoint delta)
{
    const int factor = nav.divisor * zoom.scaleNum();
    return {-delta.x() * factor / ZoomView::scaleDenom(), -delta.y() * factor / ZoomView::scaleDenom()};
}

} // namespace vistello

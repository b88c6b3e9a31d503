#include "app/window/viewer/PanoramaTiles.h"

#include <algorithm>
#include <cmath>

namespace vistello {

namespace {

bool wide(QSize rendering)
{
    return rendering.width() > rendering.height(); // as the panorama is drawn
}

} // namespace

QSize PanoramaTiles::fittedRendering(QSize upright, QSize box)
{
    const qint64 w = upright.width(), h = upright.height();
    const qint64 boxW = box.width(), boxH = box.height();
    if (w < 1 || h < 1 || boxW < 1 || boxH < 1)
        return {};
    if (boxW >= w && boxH >= h)
        return upright; // never enlarged
    const qint64 num = std::clamp(std::max((boxW * 8 + w - 1) / w, (boxH * 8 + h - 1) / h), qint64(1), qint64(8));
    const qint64 wn = (w * num + 7) / 8, hn = (h * num + 7) / 8;
    if (hn <= boxH || wn <= boxW)
        return QSize(int(wn), int(hn));
    if (hn * boxW < wn * boxH)
        return QSize(int(wn * boxH / hn), int(boxH));
    return QSize(int(boxW), int(hn * boxW / wn));
}

bool PanoramaTiles::tiled(QSize rendering, QSize view, int screens)
{
    if (rendering.isEmpty() || view.isEmpty())
        return false;
    return qint64(rendering.width()) * rendering.height() > qint64(screens) * view.width() * view.height();
}

int PanoramaTiles::decodeScale(QSize upright, QSize rendering)
{
    const qint64 across = wide(rendering) ? upright.height() : upright.width();
    const qint64 needed = wide(rendering) ? rendering.height() : rendering.width();
    for (int num = 1; num < 8; ++num)
        if ((across * num + 7) / 8 >= needed) // the library rounds up
            return num;
    return 8;
}

std::vector<int> PanoramaTiles::covering(QSize rendering, int position, int length, int margin)
{
    std::vector<int> tiles;
    const int along = wide(rendering) ? rendering.width() : rendering.height();
    const int first = std::max(position, 0);
    const int last = std::min(position + length, along) - 1;
    if (rendering.isEmpty() || length <= 0 || last < first)
        return tiles;
    const int count = (along + kLength - 1) / kLength;
    for (int index = std::max(first / kLength - margin, 0); index <= std::min(last / kLength + margin, count - 1);
         ++index)
        tiles.push_back(index);
    return tiles;
}

QRect PanoramaTiles::rectOf(int index, QSize rendering)
{
    const QRect whole(QPoint(0, 0), rendering);
    return (wide(rendering) ? QRect(index * kLength, 0, kLength, rendering.height())
                            : QRect(0, index * kLength, rendering.width(), kLength)) &
        whole;
}

QRect PanoramaTiles::sourceOf(QRect part, QSize rendering, QSize decoded)
{
    if (rendering.isEmpty() || decoded.isEmpty() || part.isEmpty())
        return {};
    const double sx = double(decoded.width()) / rendering.width();
    const double sy = double(decoded.height()) / rendering.height();
    const int left = int(std::floor(part.left() * sx));
    const int top = int(std::floor(part.top() * sy));
    const int right = int(std::ceil((part.right() + 1) * sx));
    const int bottom = int(std::ceil((part.bottom() + 1) * sy));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)) & QRect(QPoint(0, 0), decoded);
}

} // namespace vistello

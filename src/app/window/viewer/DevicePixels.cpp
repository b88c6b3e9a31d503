#include "app/window/viewer/DevicePixels.h"

#include <cmath>

namespace vistello {

namespace {

qreal usable(qreal ratio)
{
    return ratio > 0 && std::isfinite(ratio) ? ratio : 1.0;
}

} // namespace

QSize toDevice(QSize logical, qreal ratio)
{
    const qreal r = usable(ratio);
    return QSize(int(std::lround(logical.width() * r)), int(std::lround(logical.height() * r)));
}

QSize toLogical(QSize device, qreal ratio)
{
    const qreal r = usable(ratio);
    return QSize(int(std::lround(device.width() / r)), int(std::lround(device.height() / r)));
}

QSize renderingLogical(QSize rendering, QSize view, qreal ratio, bool panorama)
{
    if (usable(ratio) == 1.0 || rendering.isEmpty() || view.isEmpty())
        return rendering;
    if (panorama) {
        if (rendering.width() > rendering.height() && rendering.height() > view.height())
            return QSize(int(std::lround(double(rendering.width()) * view.height() / rendering.height())), view.height());
        if (rendering.height() >= rendering.width() && rendering.width() > view.width())
            return QSize(view.width(), int(std::lround(double(rendering.height()) * view.width() / rendering.width())));
        return rendering;
    }
    if (rendering.width() <= view.width() && rendering.height() <= view.height())
        return rendering;
    return rendering.scaled(view, Qt::KeepAspectRatio);
}

} // namespace vistello

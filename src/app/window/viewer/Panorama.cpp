#include "app/window/viewer/Panorama.h"

#include <algorithm>

namespace vistello {

bool isPanorama(QSize picture)
{
    const int w = picture.width(), h = picture.height();
    return w > 0 && h > 0 && std::max(w / h, h / w) >= 2;
}

int panoramaStep(int speed)
{
    speed = std::clamp(speed, 0, 10);
    return speed < 6 ? speed : 2 * speed;
}

int panoramaPosition(int position, int step, int rendered, int client)
{
    return std::clamp(position + step, 0, panoramaRange(rendered, client));
}

int panoramaRange(int rendered, int client)
{
    return std::max(rendered - client, 0);
}

QRect panoramaBarRect(QSize client, bool horizontal, int thickness)
{
    return horizontal ? QRect(0, client.height() - thickness, client.width(), thickness)
                      : QRect(client.width() - thickness, 0, thickness, client.height());
}

QRect panoramaDrawnRect(QSize client, QSize rendering, int position)
{
    if (rendering.width() > rendering.height())
        return QRect(QPoint(-position, (client.height() - rendering.height()) / 2), rendering);
    return QRect(QPoint((client.width() - rendering.width()) / 2, -position), rendering);
}

PanoramaBar panoramaBar(QSize client, QSize rendering, int thickness)
{
    PanoramaBar bar;
    bar.horizontal = rendering.width() > rendering.height();
    const int rendered = bar.horizontal ? rendering.width() : rendering.height();
    const int length = bar.horizontal ? client.width() : client.height();
    bar.range = panoramaRange(rendered, length);
    bar.pageStep = length;
    bar.enabled = rendered > length;
    bar.rect = panoramaBarRect(client, bar.horizontal, thickness);
    return bar;
}

} // namespace vistello

#include "app/samples/SampleScene.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

namespace vistello::samples {

namespace {

QRectF fractionRect(int w, int h, double left, double top, double right, double bottom)
{
    return QRectF(left * w, top * h, (right - left) * w, (bottom - top) * h);
}

} // namespace

QImage drawUprightScene(int width, int height, const SceneStyle& style)
{
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    const int shift = (style.variant * 23) % 60;
    QPainter p(&image);
    p.setPen(Qt::NoPen);

    QLinearGradient sky(0, 0, 0, h / 2.0);
    sky.setColorAt(0, QColor(40 + shift / 2, 110, 200));
    sky.setColorAt(1, QColor(150, 200, 245 - shift / 3));
    p.fillRect(QRectF(0, 0, w, h / 2.0), sky);

    // Ground in furrows of two greens.
    const int furrows = 6;
    for (int i = 0; i < furrows; ++i) {
        const QColor green = i % 2 ? QColor(50, 140 + shift / 2, 50) : QColor(70, 165, 60 + shift / 3);
        p.fillRect(fractionRect(w, h, 0, 0.5 + 0.5 * i / furrows, 1, 0.5 + 0.5 * (i + 1) / furrows), green);
    }

    p.setRenderHint(QPainter::Antialiasing, true);
    const double radius = 0.09 * std::min(w, h);
    p.setBrush(QColor(250, 215, 40));
    p.drawEllipse(QPointF(scene::kSunX * w, scene::kSunY * h), radius, radius);
    p.setRenderHint(QPainter::Antialiasing, false);

    // The "F": a stem with a long top bar and a shorter middle bar.
    const QColor red(175, 25 + shift / 4, 35);
    p.fillRect(fractionRect(w, h, 0.22, 0.15, 0.30, 0.85), red);
    p.fillRect(fractionRect(w, h, 0.22, 0.15, 0.58, 0.24), red);
    p.fillRect(fractionRect(w, h, 0.22, 0.44, 0.46, 0.52), red);

    const double side = std::max(2.0, 0.03 * std::min(w, h));
    for (int i = 0; i < std::clamp(style.pips, 0, 8); ++i)
        p.fillRect(QRectF(0.38 * w + i * side * 1.8, 0.76 * h, side, side), Qt::white);
    p.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace vistello::samples

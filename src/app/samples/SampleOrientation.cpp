#include "app/samples/SampleOrientation.h"

#include <cstring>

namespace vistello::samples {

namespace {

// One quarter turn clockwise, pixel-exact, for 8-, 24- and 32-bit formats.
QImage rotateClockwise(const QImage& src)
{
    const int w = src.width();
    const int h = src.height();
    const int bpp = src.depth() / 8;
    QImage dst(h, w, src.format());
    for (int y = 0; y < h; ++y) {
        const uchar* row = src.constScanLine(y);
        for (int x = 0; x < w; ++x)
            std::memcpy(dst.scanLine(x) + size_t(h - 1 - y) * size_t(bpp), row + size_t(x) * size_t(bpp), size_t(bpp));
    }
    return dst;
}

QImage rotateClockwise(QImage image, int quarterTurns)
{
    for (int i = 0; i < quarterTurns % 4; ++i)
        image = rotateClockwise(image);
    return image;
}

} // namespace

QImage toDisplay(const QImage& stored, Orientation o)
{
    const OrientationTransform& t = orientationTransform(o);
    return rotateClockwise(t.mirror ? stored.mirrored(true, false) : stored, t.quarterTurns);
}

QImage toStored(const QImage& upright, Orientation o)
{
    const OrientationTransform& t = orientationTransform(o);
    const QImage turned = rotateClockwise(upright, (4 - t.quarterTurns) % 4);
    return t.mirror ? turned.mirrored(true, false) : turned;
}

} // namespace vistello::samples

#include "app/window/viewer/MemoryEdits.h"

namespace vistello {

namespace {

QImage rgb(const QImage& image)
{
    return image.format() == QImage::Format_RGB888 ? image : image.convertToFormat(QImage::Format_RGB888);
}

} // namespace

QImage transformedRendering(const QImage& image, TransformOp op)
{
    const QImage source = rgb(image);
    const OpSteps steps = stepsOf(op);
    const int w = steps.transpose ? source.height() : source.width();
    const int h = steps.transpose ? source.width() : source.height();
    QImage out(w, h, QImage::Format_RGB888);
    for (int y = 0; y < source.height(); ++y) {
        const uchar* row = source.constScanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            int ox = steps.transpose ? y : x;
            int oy = steps.transpose ? x : y;
            if (steps.mirrorColumns)
                ox = w - 1 - ox;
            if (steps.mirrorRows)
                oy = h - 1 - oy;
            std::copy_n(row + 3 * x, 3, out.scanLine(oy) + 3 * ox);
        }
    }
    return out;
}

QImage greyRendering(const QImage& image)
{
    QImage out = rgb(image).copy();
    for (int y = 0; y < out.height(); ++y) {
        uchar* p = out.scanLine(y);
        for (int x = 0; x < out.width(); ++x, p += 3)
            p[0] = p[1] = p[2] = uchar((306 * p[0] + 601 * p[1] + 117 * p[2]) >> 10);
    }
    return out;
}

QImage invertedRendering(const QImage& image)
{
    QImage out = rgb(image).copy();
    out.invertPixels();
    return out;
}

QImage mosaicRendering(const QImage& image)
{
    QImage out = rgb(image).copy();
    const int h = out.height();
    for (int y = 0; y < h; ++y) {
        uchar* p = out.scanLine(y);
        const bool evenRow = (h - 1 - y) % 2 == 0;
        for (int x = 0; x < out.width(); ++x, p += 3) {
            const int keep = evenRow ? (x % 2 == 0 ? 1 : 0) : (x % 2 == 0 ? 2 : 1); // R 0, G 1, B 2
            for (int c = 0; c < 3; ++c)
                if (c != keep)
                    p[c] = 0;
        }
    }
    return out;
}

} // namespace vistello

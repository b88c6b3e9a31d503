#include "imaging/decode/PictureRegion.h"

#include "imaging/decode/JpegDecoder.h"
#include "imaging/decode/JpegHandler.h"
#include "imaging/decode/PixelOrientation.h"
#include "imaging/scale/ScaleNearest.h"

#include <algorithm>

namespace vistello {

namespace {

int scaledSide(int side, int scaleNum)
{
    return int((int64_t(side) * scaleNum + 7) / 8); // the library rounds up
}

bool turnsSides(int orientation)
{
    return orientation >= 5 && orientation <= 8;
}

// The stored pixel behind an upright one; w × h is the stored size.
QPoint storedPoint(QPoint upright, int w, int h, int orientation)
{
    const int u = upright.x(), v = upright.y();
    switch (orientation) {
    case 2: return {w - 1 - u, v};
    case 3: return {w - 1 - u, h - 1 - v};
    case 4: return {u, h - 1 - v};
    case 5: return {v, u};
    case 6: return {v, h - 1 - u};
    case 7: return {w - 1 - v, h - 1 - u};
    case 8: return {w - 1 - v, u};
    default: return upright;
    }
}

} // namespace

QSize RegionSource::uprightAt(int scaleNum) const
{
    const QSize scaled(scaledSide(fileSize.width(), scaleNum), scaledSide(fileSize.height(), scaleNum));
    return turnsSides(orientation) ? scaled.transposed() : scaled;
}

std::optional<RegionSource> regionSourceOf(const QString& path, bool autoRotate)
{
    JpegHeaderInfo header;
    if (!readJpegHeader(path, header))
        return std::nullopt;
    RegionSource source;
    source.fileSize = QSize(header.imageWidth, header.imageHeight);
    if (autoRotate) {
        const std::unique_ptr<FormatHandler> handler = JpegHandler::createJpeg();
        handler->readOrientation(path);
        source.orientation = handler->orientation >= 1 && handler->orientation <= 8 ? handler->orientation : 1;
    }
    return source;
}

QRect storedRect(QRect upright, QSize storedSize, int orientation)
{
    const QPoint a = storedPoint(upright.topLeft(), storedSize.width(), storedSize.height(), orientation);
    const QPoint b = storedPoint(upright.bottomRight(), storedSize.width(), storedSize.height(), orientation);
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

std::optional<QImage> loadRegion(const RegionRequest& request, const RegionSource& source)
{
    if (request.scaleNum < 1 || request.scaleNum > 16)
        return std::nullopt;
    const QRect upright = request.region & QRect(QPoint(0, 0), source.uprightAt(request.scaleNum));
    if (upright.isEmpty())
        return std::nullopt;
    const QSize stored(scaledSide(source.fileSize.width(), request.scaleNum),
                       scaledSide(source.fileSize.height(), request.scaleNum));
    JpegDecodeRequest decode;
    decode.scale.scaleNum = request.scaleNum;
    decode.scale.scaleDenom = 8;
    decode.useColourProfiles = request.useColourProfiles;
    decode.region = storedRect(upright, stored, source.orientation);
    JpegDecodeResult result = decodeJpegFile(request.path, decode);
    if (result.pixels.empty())
        return std::nullopt;
    const PixelBuffer turned = orientPixels(std::move(result.pixels), source.orientation);
    if (turned.empty())
        return std::nullopt;
    return scaleNearest(turned, 1, 1, request.displayTransform.get());
}

} // namespace vistello

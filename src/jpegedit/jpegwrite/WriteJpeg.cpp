#include "jpegedit/jpegwrite/WriteJpeg.h"

#include "jpegedit/jpegwrite/JfxxThumbnail.h"
#include "jpegedit/jpegwrite/JpegEncode.h"
#include "jpegedit/jpegwrite/RewriteSource.h"
#include "platform/FileReplace.h"

#include <QFileInfo>

namespace vistello {

namespace {

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

} // namespace

std::optional<EncodedPicture> encodeJpegPicture(const PictureWriteRequest& request, const QString& options,
                                                QString* error)
{
    if (!request.pixels || request.pixels->empty()) {
        setError(error, QStringLiteral("No picture to write"));
        return std::nullopt;
    }
    const PixelBuffer& pixels = *request.pixels;
    JpegEncodeSettings settings;
    settings.qualities = resolveJpegQualities(request.luminanceQuality, request.chrominanceQuality, options);
    settings.fullChroma = request.fullChroma;

    // Everything taken over is read before the old file is touched.
    std::optional<RewriteSource> source;
    std::vector<SavedMarkerView> carried;
    if (!request.newFile && QFileInfo::exists(request.headerPath())) {
        source = readRewriteSource(request.headerPath(), pixels.width, pixels.height, request.resetOrientation, error);
        if (!source)
            return std::nullopt;
        carried = source->views();
        settings.headers = JpegHeaders::Reencode;
        settings.carried = carried;
        settings.dropIccChunks = source->dropIccChunks;
        settings.sampling = source->sampling;
    } else {
        settings.headers = JpegHeaders::NewFile;
        settings.thumbnail = makeJfxxThumbnail(pixels);
    }

    std::optional<QByteArray> jpeg = encodeJpeg(pixels, settings, error);
    if (!jpeg)
        return std::nullopt;
    const QDateTime modified = source && source->pictureDate.isValid() ? source->pictureDate : QDateTime::currentDateTime();
    return EncodedPicture{std::move(*jpeg), modified};
}

bool writeJpeg(const PictureWriteRequest& request, const QString& options, QString* error)
{
    const std::optional<EncodedPicture> encoded = encodeJpegPicture(request, options, error);
    return encoded && putEncodedPicture(request, *encoded, error);
}

} // namespace vistello

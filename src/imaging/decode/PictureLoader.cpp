#include "imaging/decode/PictureLoader.h"

#include "core/filetypes/CompanionSound.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/decode/JpegHandler.h"
#include "imaging/decode/PictureFitting.h"
#include "imaging/decode/PixelOrientation.h"
#include "imaging/scale/ScaleAreaAverage.h"
#include "imaging/scale/ScaleNearest.h"

namespace vistello {

namespace {

void prepare(FormatHandler& handler, const PictureRequest& request)
{
    handler.useColourProfiles = request.useColourProfiles;
    handler.panoramaMode = request.panoramaMode;
    handler.strictDecode = request.strict;
    handler.setStopFlag(request.stopFlag);
}

// Thumbnail JPEG data of a picture whose own format is not JPEG goes to the
// handler registered for ".jpg".
std::unique_ptr<FormatHandler> jpegHandlerLike(const FormatHandler& model)
{
    std::unique_ptr<FormatHandler> jpeg = createFormatHandler(PictureFileTypes::instance(), u"thumbnail.jpg");
    if (!jpeg)
        jpeg = JpegHandler::createJpeg();
    jpeg->useColourProfiles = model.useColourProfiles;
    jpeg->panoramaMode = model.panoramaMode;
    jpeg->fastDecode = model.fastDecode;
    jpeg->orientation = model.orientation;
    jpeg->setStopFlag(model.stopFlag());
    return jpeg;
}

PixelBuffer decodeThumbnailData(FormatHandler& handler, ThumbnailData thumbnail, const PictureRequest& request,
                                FormatHandler*& decoder, std::unique_ptr<FormatHandler>& helper)
{
    if (!thumbnail.pixels.empty())
        return std::move(thumbnail.pixels);
    if (thumbnail.jpeg.isEmpty())
        return {};
    if (!thumbnail.jpeg.endsWith("\xFF\xD9"))
        thumbnail.jpeg.append("\xFF\xD9", 2);
    if (!dynamic_cast<JpegHandler*>(&handler)) {
        helper = jpegHandlerLike(handler);
        decoder = helper.get();
    }
    return decoder->decodeMemory(reinterpret_cast<const uint8_t*>(thumbnail.jpeg.constData()),
                                 size_t(thumbnail.jpeg.size()), request.boxWidth, request.boxHeight, 1, 1, false);
}

} // namespace

std::optional<HandlerOutput> decodeWithHandler(const PictureRequest& request)
{
    std::unique_ptr<FormatHandler> handler = createFormatHandler(PictureFileTypes::instance(), request.path);
    if (!handler)
        return std::nullopt;
    prepare(*handler, request);
    HandlerOutput out;
    FormatHandler* decoder = handler.get(); // the handler whose fields describe the result
    std::unique_ptr<FormatHandler> helper;

    if (request.thumbnail) {
        handler->fastDecode = true;
        ThumbnailData thumbnail = handler->embeddedThumbnail(request.path, request.showMediaMarks);
        if (!request.autoRotate)
            handler->orientation = 1;
        out.orientation = handler->orientation;
        out.pixels = decodeThumbnailData(*handler, std::move(thumbnail), request, decoder, helper);
        if (out.pixels.empty()) {
            decoder = handler.get();
            out.pixels = handler->decodeFile(request.path, request.boxWidth, request.boxHeight, 1, 1, false);
        }
        if (request.showMediaMarks)
            out.mediaMark = !findCompanionSound(request.path, false, request.soundIndex).isEmpty() ? 2 : handler->soundFlag ? 1 : 0;
    } else {
        if (request.autoRotate)
            handler->readOrientation(request.path);
        else
            handler->orientation = 1;
        out.orientation = handler->orientation;
        out.pixels = handler->decodeFile(request.path, request.boxWidth, request.boxHeight, request.scaleNum,
                                         request.scaleDenom, request.allowEnlarge);
    }
    if (out.pixels.empty())
        return std::nullopt;
    out.fileWidth = decoder->imageWidth;
    out.fileHeight = decoder->imageHeight;
    out.mcuWidth = decoder->mcuWidth;
    out.mcuHeight = decoder->mcuHeight;
    out.panorama = decoder->isPanorama();
    return out;
}

std::optional<QImage> finishPicture(HandlerOutput output, const PictureRequest& request)
{
    const PixelBuffer upright = orientPixels(std::move(output.pixels), output.orientation);
    if (upright.empty())
        return std::nullopt;
    FitRequest fit;
    fit.width = upright.width;
    fit.height = upright.height;
    fit.boxWidth = request.boxWidth;
    fit.boxHeight = request.boxHeight;
    fit.reduceNum = request.thumbnail ? 1 : request.reduceNum;
    fit.reduceDenom = request.thumbnail ? 1 : request.reduceDenom;
    fit.panorama = output.panorama;
    const FitPlan plan = planFitting(fit);
    if (plan.first.isOne() && !plan.second.isOne() && !request.displayTransform) {
        // The first step would only copy: average straight from the buffer.
        if (std::optional<QImage> reduced = scaleAreaAverageToImage(upright, plan.second.num, plan.second.den))
            return reduced;
    }
    std::optional<QImage> image = scaleNearest(upright, plan.first.num, plan.first.den, request.displayTransform.get());
    if (!image || plan.second.isOne())
        return image;
    if (std::optional<QImage> reduced = scaleAreaAverage(*image, plan.second.num, plan.second.den))
        return reduced;
    return image; // no memory for the finer step: the first step's bitmap serves
}

std::optional<CachedPicture> loadPicture(const PictureRequest& request)
{
    if (request.boxWidth < 0 || request.boxHeight < 0)
        return std::nullopt;
    std::optional<HandlerOutput> decoded = decodeWithHandler(request);
    if (!decoded)
        return std::nullopt;
    CachedPicture picture;
    picture.fileWidth = decoded->fileWidth;
    picture.fileHeight = decoded->fileHeight;
    picture.mcuWidth = decoded->mcuWidth;
    picture.mcuHeight = decoded->mcuHeight;
    picture.mediaMark = decoded->mediaMark;
    picture.orientation = decoded->orientation;
    std::optional<QImage> image = finishPicture(std::move(*decoded), request);
    if (!image)
        return std::nullopt;
    picture.image = std::move(*image);
    return picture;
}

} // namespace vistello

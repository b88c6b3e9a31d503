#include "imaging/decode/MediaHandlers.h"

#include "imaging/decode/DecodeMessage.h"
#include "imaging/decode/MediaInfoText.h"
#include "imaging/decode/NotePicture.h"
#include "imaging/video/ClipReader.h"
#include "resources/MediaStrings.h"

namespace vistello {
namespace {

bool isSoundPath(const QString& path)
{
    return path.endsWith(QLatin1String(".mp3"), Qt::CaseInsensitive);
}

PixelBuffer takeNotePicture(FormatHandler& handler, uint8_t grey)
{
    PixelBuffer picture = notePicture(grey);
    handler.imageWidth = handler.outputWidth = picture.width;
    handler.imageHeight = handler.outputHeight = picture.height;
    handler.valid = true;
    return picture;
}

} // namespace

std::unique_ptr<FormatHandler> VideoHandler::create() { return std::make_unique<VideoHandler>(); }

QString VideoHandler::description() const { return strings::text(strings::kVideoFormat); }

PixelBuffer VideoHandler::decodeFile(const QString& path, int, int, int, int, bool)
{
    valid = false;
    outputWidth = outputHeight = 0;
    if (isSoundPath(path))
        return takeNotePicture(*this, kNoteGreyVideo);
    std::optional<PixelBuffer> frame = grabFirstFrame(path, {deadline_, stopFlag()}, &message);
    if (!frame) {
        setLastDecodeMessage(message.toUtf8().constData()); // for the picture information, as a JPEG's text
        return {};
    }
    imageWidth = outputWidth = frame->width;
    imageHeight = outputHeight = frame->height;
    valid = true;
    message.clear();
    return std::move(*frame);
}

// The frame is the thumbnail: without raw pixels here the decoder grabs it
// once through decodeFile instead of twice.
ThumbnailData VideoHandler::embeddedThumbnail(const QString&, bool)
{
    return {};
}

void VideoHandler::readHeader(const QString& path)
{
    const std::optional<ClipFacts> facts = readClipFacts(path, {deadline_, stopFlag()});
    valid = facts && facts->hasVideo && facts->width > 0 && facts->height > 0;
    imageWidth = valid ? facts->width : 0;
    imageHeight = valid ? facts->height : 0;
}

QString VideoHandler::infoText(const QString& path)
{
    if (isSoundPath(path))
        return mediaInfoText(path, std::nullopt);
    return mediaInfoText(path, readClipFacts(path, {deadline_, stopFlag()}));
}

std::unique_ptr<FormatHandler> Mp3Handler::create() { return std::make_unique<Mp3Handler>(); }

QString Mp3Handler::description() const { return strings::text(strings::kMp3Format); }

PixelBuffer Mp3Handler::decodeFile(const QString&, int, int, int, int, bool)
{
    return takeNotePicture(*this, kNoteGreyMp3);
}

void Mp3Handler::readHeader(const QString&)
{
    imageWidth = kNotePictureWidth;
    imageHeight = kNotePictureHeight;
    valid = true;
}

QString Mp3Handler::infoText(const QString& path)
{
    return mediaInfoText(path, std::nullopt);
}

} // namespace vistello

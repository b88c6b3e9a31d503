#include "imaging/decode/BuiltInFormats.h"

#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BmpHandler.h"
#include "imaging/decode/JpegHandler.h"
#include "imaging/decode/MediaHandlers.h"

namespace vistello {

namespace {

void setBuiltInHandlers(PictureFileTypes& types)
{
    for (const char16_t* extension : kJpegExtensions)
        types.setHandlerFactory(QStringView(extension), JpegHandler::createJpeg);
    types.setHandlerFactory(u".thm", JpegHandler::createThm);
    types.setHandlerFactory(u".bmp", BmpHandler::create);
    for (QStringView extension : QStringView(u".avi;.qt;.mov;.mpg;.mpeg;.m1v;.wmv").tokenize(u';'))
        types.setHandlerFactory(extension, VideoHandler::create);
    types.setHandlerFactory(u".mp3", Mp3Handler::create);
}

} // namespace

void registerBuiltInFormats(PictureFileTypes& types, bool videoAvailable, SettingsStore* settings)
{
    types.registerBuiltIns(videoAvailable, settings);
    setBuiltInHandlers(types);
}

void registerBuiltInFormatsDeferringMedia(PictureFileTypes& types, const std::function<bool()>& playbackAvailable,
                                         SettingsStore* settings)
{
    types.registerBuiltInsDeferringMedia(playbackAvailable, settings);
    setBuiltInHandlers(types);
}

std::unique_ptr<FormatHandler> createFormatHandler(const PictureFileTypes& types, QStringView path)
{
    const PictureFileType* type = types.typeOf(path);
    if (!type || !type->factory)
        return nullptr;
    return type->factory();
}

} // namespace vistello

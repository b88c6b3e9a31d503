#include "jpegedit/jpegwrite/PictureWriting.h"

#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/decode/JpegHandler.h"
#include "jpegedit/jpegwrite/WriteJpeg.h"

namespace vistello {

namespace {

std::unique_ptr<FormatHandler> createWritingJpegHandler()
{
    auto handler = std::make_unique<JpegHandler>(JpegHandler::Variant::Jpeg);
    handler->setEncoder(encodeJpegPicture);
    return handler;
}

} // namespace

void enablePictureWriting(PictureFileTypes& types)
{
    for (const char16_t* extension : kJpegExtensions)
        types.setHandlerFactory(QStringView(extension), createWritingJpegHandler);
}

} // namespace vistello

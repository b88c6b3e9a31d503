#include "imaging/decode/FormatHandler.h"

#include "platform/FileReplace.h"
#include "platform/NoReplaceMove.h"

namespace vistello {

bool FormatHandler::isPanorama() const
{
    if (!panoramaMode || imageWidth <= 0 || imageHeight <= 0)
        return false;
    const int longer = imageWidth > imageHeight ? imageWidth : imageHeight;
    const int shorter = imageWidth > imageHeight ? imageHeight : imageWidth;
    return longer / shorter > 1;
}

std::optional<EncodedPicture> FormatHandler::encodePicture(const PictureWriteRequest& /*request*/)
{
    message = QStringLiteral("The format cannot write");
    return std::nullopt;
}

bool putEncodedPicture(const PictureWriteRequest& request, const EncodedPicture& encoded, QString* error)
{
    const bool rewrite = !request.newFile && request.headerSource.isEmpty(); // the JPEG at path itself
    if ((request.replaceExisting || rewrite) && entryExists(request.path))
        return replaceFileKeepingTimes(request.path, encoded.bytes, error,
                                       encoded.modified.isValid() ? encoded.modified : QDateTime::currentDateTime());
    NewFileAttributes attributes;
    if (encoded.modified.isValid())
        attributes.modificationTime = NewFileAttributes::at(encoded.modified);
    return createNewFile(request.path, encoded.bytes, error, attributes);
}

bool FormatHandler::writePicture(const PictureWriteRequest& request)
{
    const std::optional<EncodedPicture> encoded = encodePicture(request);
    if (!encoded)
        return false;
    QString error;
    if (!putEncodedPicture(request, *encoded, &error)) {
        message = error;
        return false;
    }
    message.clear();
    return true;
}

} // namespace vistello

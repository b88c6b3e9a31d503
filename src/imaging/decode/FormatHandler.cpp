#include "imaging/decode/FormatHandler.h"

#include "platform/FileReplace.h"

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

bool FormatHandler::writePicture(const PictureWriteRequest& request)
{
    const std::optional<EncodedPicture> encoded = encodePicture(request);
    if (!encoded)
        return false;
    QString error;
    const std::optional<QDateTime> modified = encoded->modified.isValid() ? std::optional(encoded->modified) : std::nullopt;
    if (!createOrReplaceFile(request.path, encoded->bytes, &error, modified)) {
        message = error;
        return false;
    }
    message.clear();
    return true;
}

} // namespace vistello

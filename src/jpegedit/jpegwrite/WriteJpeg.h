#pragma once
// Saving a decoded picture as a JPEG file: the qualities from the request
// or the format's option string, every component 1 x 1 or the old file's
// sampling. A rewritten JPEG keeps its header segments (EXIF with the new
// pixel size, comments, the colour profile of an RGB source; never the
// Adobe segment) and its picture date as modification time; a new file gets
// JFIF and a JFXX thumbnail. The file is compressed in memory and then
// created or replaced whole, so a failure leaves the old file as it was; a
// write-protected file is refused.
#include "imaging/decode/PictureWriteRequest.h"
#include "jpegedit/jpegwrite/JpegQuality.h"

#include <QString>
#include <optional>

namespace vistello {

// The file writeJpeg would put in place (the JPEG handler's encoder).
std::optional<EncodedPicture> encodeJpegPicture(const PictureWriteRequest& request, const QString& options,
                                                QString* error = nullptr);
[[nodiscard]] bool writeJpeg(const PictureWriteRequest& request, const QString& options, QString* error = nullptr);

} // namespace vistello

#pragma once
// The built-in BMP format: a write-only target for saving and converting
// pictures as uncompressed 24-bit files (14-byte file header, 40-byte
// information header, rows bottom-up in blue-green-red order, each filled
// to a multiple of 4 bytes). BMP files are never listed or decoded.
#include "imaging/decode/FormatHandler.h"

#include <QByteArray>
#include <optional>

namespace vistello {

class BmpHandler : public FormatHandler {
public:
    static std::unique_ptr<FormatHandler> create();

    QString extensions() const override { return QStringLiteral(".bmp"); }
    QString formatName() const override { return QStringLiteral("BMP"); }
    QString description() const override { return QStringLiteral("BMP picture format with 24 bit color depth"); }
    unsigned capabilities() const override { return Writable; }

    // The qualities and sampling of the request mean nothing here.
    std::optional<EncodedPicture> encodePicture(const PictureWriteRequest& request) override;
};

// The complete file; nothing for an empty picture or one too large for the
// format's 32-bit sizes.
std::optional<QByteArray> encodeBmp(const PixelBuffer& pixels);

} // namespace vistello

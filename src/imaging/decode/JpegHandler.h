#pragma once
// The built-in JPEG format (".jpg", ".jpeg", ".jpe") and the camera
// thumbnail format THM, which is JPEG under another extension and is never
// written. Decoding goes through the JPEG library at the DCT scale that
// covers the box; a stream that fails is retried from the next FF D8 FF,
// so a picture whose main image is damaged shows its embedded thumbnail
// (never in strict mode). Writing needs the JPEG writer, which lives with
// the editing code above this layer and is handed in (setEncoder).
#include "imaging/decode/FormatHandler.h"
#include "imaging/decode/JpegDecodeLimits.h"

namespace vistello {

// Encodes a picture as JPEG; options is the format's option string.
using JpegPictureEncoder = std::optional<EncodedPicture> (*)(const PictureWriteRequest& request, const QString& options,
                                                             QString* error);

class JpegHandler : public FormatHandler {
public:
    enum class Variant { Jpeg, Thm };

    explicit JpegHandler(Variant variant = Variant::Jpeg) : variant_(variant) {}
    static std::unique_ptr<FormatHandler> createJpeg();
    static std::unique_ptr<FormatHandler> createThm();

    QString extensions() const override;
    QString formatName() const override;
    QString description() const override;
    unsigned capabilities() const override;
    // The option string: "L" or "L,C" qualities; empty means "90".
    void setProperties(const QString& settings) override { options_ = settings; }
    QString properties() const override;

    void readOrientation(const QString& path) override;
    void readHeader(const QString& path) override;
    // Reads the whole file and appends FF D9, so that a file cut short still
    // ends with an end-of-image marker.
    PixelBuffer decodeFile(const QString& path, int boxWidth, int boxHeight, int scaleNum, int scaleDenom,
                           bool allowEnlarge) override;
    PixelBuffer decodeMemory(const std::uint8_t* data, std::size_t length, int boxWidth, int boxHeight,
                             int scaleNum, int scaleDenom, bool allowEnlarge) override;
    // The EXIF (or JFXX) thumbnail as JPEG data; also orientation and soundFlag.
    ThumbnailData embeddedThumbnail(const QString& path, bool checkSound) override;

    std::optional<QByteArray> extractSound(const QString& path) override;

    // Nothing without an encoder, for THM, or when the encoder fails (message says why).
    std::optional<EncodedPicture> encodePicture(const PictureWriteRequest& request) override;

    void setDecodeLimits(const JpegDecodeLimits& limits) { limits_ = limits; }
    void setEncoder(JpegPictureEncoder encoder) { encoder_ = encoder; }

private:
    Variant variant_;
    QString options_;
    JpegPictureEncoder encoder_ = nullptr;
    JpegDecodeLimits limits_;
};

} // namespace vistello

#include "imaging/decode/JpegHandler.h"

#include "imaging/decode/DecodeMessage.h"
#include "imaging/decode/JpegDecoder.h"
#include "jpegmeta/exif/ExifSummary.h"
#include "jpegmeta/extras/EmbeddedSound.h"
#include "jpegmeta/extras/EmbeddedThumbnail.h"
#include "jpegmeta/segments/HeaderCollector.h"
#include "platform/HugePages.h"

#include <QFile>
#include <cstring>

namespace vistello {

namespace {

constexpr uint8_t kEndOfImage[] = {0xFF, 0xD9};

// Next FF D8 FF (start of image, then a marker) at or after from.
size_t findImageStart(const uint8_t* data, size_t length, size_t from)
{
    while (from + 3 <= length) {
        const void* hit = std::memchr(data + from, 0xFF, length - from);
        if (!hit)
            break;
        const size_t i = size_t(static_cast<const uint8_t*>(hit) - data);
        if (i + 3 <= length && data[i + 1] == 0xD8 && data[i + 2] == 0xFF)
            return i;
        from = i + 1;
    }
    return length;
}

} // namespace

std::unique_ptr<FormatHandler> JpegHandler::createJpeg()
{
    return std::make_unique<JpegHandler>(Variant::Jpeg);
}

std::unique_ptr<FormatHandler> JpegHandler::createThm()
{
    return std::make_unique<JpegHandler>(Variant::Thm);
}

QString JpegHandler::extensions() const
{
    return variant_ == Variant::Jpeg ? QStringLiteral(".jpg;.jpeg;.jpe") : QStringLiteral(".thm");
}

QString JpegHandler::formatName() const
{
    return variant_ == Variant::Jpeg ? QStringLiteral("Jpeg") : QString();
}

QString JpegHandler::description() const
{
    return QStringLiteral("Jpeg picture format");
}

unsigned JpegHandler::capabilities() const
{
    // Every bit: readable, writable with quality levels, all lossless
    // operations, comments; THM files are never written.
    constexpr unsigned kEverything = 0xFFFF;
    unsigned word = variant_ == Variant::Jpeg ? kEverything : kEverything & ~unsigned(Writable);
    if (!encoder_)
        word &= ~unsigned(Writable);
    return word;
}

QString JpegHandler::properties() const
{
    return options_.isEmpty() ? QStringLiteral("90") : options_;
}

std::optional<EncodedPicture> JpegHandler::encodePicture(const PictureWriteRequest& request)
{
    if (variant_ != Variant::Jpeg || !encoder_) {
        message = QStringLiteral("The format cannot write");
        return std::nullopt;
    }
    message.clear();
    return encoder_(request, properties(), &message);
}

void JpegHandler::readOrientation(const QString& path)
{
    const HeaderData header = collectHeaderData(path, CollectFromFile{});
    const int value = header.hasExif() ? readExifSummary(exifBlockOf(header)).orientation : 1;
    orientation = value >= 1 && value <= 8 ? value : 1;
}

void JpegHandler::readHeader(const QString& path)
{
    JpegHeaderInfo header;
    valid = readJpegHeader(path, header);
    imageWidth = header.imageWidth;
    imageHeight = header.imageHeight;
    mcuWidth = header.mcuWidth;
    mcuHeight = header.mcuHeight;
}

PixelBuffer JpegHandler::decodeFile(const QString& path, int boxWidth, int boxHeight, int scaleNum, int scaleDenom,
                                    bool allowEnlarge)
{
    outputWidth = outputHeight = 0;
    valid = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setLastDecodeMessage("Cannot open the file");
        return {};
    }
    const qint64 size = file.size();
    if (size <= 0 || size > limits_.maxOutputBytes) {
        setLastDecodeMessage(size <= 0 ? "Empty file" : "File too large");
        return {};
    }
    QByteArray bytes;
    bytes.resize(qsizetype(size + 2));
    adviseHugePages(bytes.data(), size_t(bytes.size()));
    const qint64 got = file.read(bytes.data(), size);
    if (got <= 0) {
        setLastDecodeMessage("Cannot read the file");
        return {};
    }
    std::memcpy(bytes.data() + got, kEndOfImage, 2);
    return decodeMemory(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(got) + 2, boxWidth, boxHeight,
                        scaleNum, scaleDenom, allowEnlarge);
}

PixelBuffer JpegHandler::decodeMemory(const std::uint8_t* data, std::size_t length, int boxWidth, int boxHeight,
                                      int scaleNum, int scaleDenom, bool allowEnlarge)
{
    outputWidth = outputHeight = 0;
    imageWidth = imageHeight = 0;
    valid = false;
    if (!data)
        return {};

    JpegDecodeRequest request;
    request.scale.boxWidth = boxWidth;
    request.scale.boxHeight = boxHeight;
    request.scale.scaleNum = scaleNum;
    request.scale.scaleDenom = scaleDenom;
    request.scale.allowEnlarge = allowEnlarge;
    request.scale.panoramaMode = panoramaMode;
    request.scale.orientation = orientation;
    request.fastDecode = fastDecode;
    request.useColourProfiles = useColourProfiles;
    request.strict = strictDecode;
    request.stopFlag = stopFlag();
    request.limits = limits_;

    int attempts = 0;
    // Strict: the main image, which the file must begin with, or nothing.
    size_t first = findImageStart(data, length, 0);
    if (strictDecode && first != 0)
        first = length;
    for (size_t start = first; start < length;
         start = findImageStart(data, length, start + 1)) {
        JpegDecodeResult result = decodeJpeg(data + start, length - start, request);
        if (!result.pixels.empty()) {
            imageWidth = result.header.imageWidth;
            imageHeight = result.header.imageHeight;
            mcuWidth = result.header.mcuWidth;
            mcuHeight = result.header.mcuHeight;
            outputWidth = result.pixels.width;
            outputHeight = result.pixels.height;
            valid = true;
            return std::move(result.pixels);
        }
        ++attempts;
        const bool stopped = stopFlag() && stopFlag()->load();
        if (stopped || attempts >= limits_.maxAttempts || strictDecode)
            break;
    }
    if (attempts == 0)
        setLastDecodeMessage("Not a JPEG file");
    message = lastDecodeMessage();
    return {};
}

ThumbnailData JpegHandler::embeddedThumbnail(const QString& path, bool checkSound)
{
    const EmbeddedThumbnail found = findEmbeddedThumbnail(path);
    readOrientation(path);
    soundFlag = checkSound && found.hasAudio;
    ThumbnailData thumbnail;
    thumbnail.jpeg = found.bytes;
    return thumbnail;
}

std::optional<QByteArray> JpegHandler::extractSound(const QString& path)
{
    return extractEmbeddedSound(path);
}

} // namespace vistello

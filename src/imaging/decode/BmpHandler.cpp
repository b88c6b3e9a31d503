#include "imaging/decode/BmpHandler.h"

#include "imaging/scale/BufferLimits.h"

#include <cstring>

namespace vistello {

namespace {

constexpr int64_t kHeaderBytes = 54; // file header 14, information header 40

void put16(uint8_t* p, uint32_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}

void put32(uint8_t* p, uint32_t v)
{
    put16(p, v & 0xFFFF);
    put16(p + 2, v >> 16);
}

void writeHeaders(uint8_t* p, int width, int height, uint32_t fileSize)
{
    std::memset(p, 0, size_t(kHeaderBytes)); // reserved words, image size, resolution, colour counts
    p[0] = 'B';
    p[1] = 'M';
    put32(p + 2, fileSize);
    put32(p + 10, uint32_t(kHeaderBytes));
    put32(p + 14, 40);
    put32(p + 18, uint32_t(width));
    put32(p + 22, uint32_t(height)); // positive: bottom-up rows
    put16(p + 26, 1);                // planes
    put16(p + 28, 24);               // bits per pixel
}

} // namespace

std::unique_ptr<FormatHandler> BmpHandler::create()
{
    return std::make_unique<BmpHandler>();
}

std::optional<QByteArray> encodeBmp(const PixelBuffer& pixels)
{
    if (pixels.empty())
        return std::nullopt;
    const int64_t rowBytes = (int64_t(pixels.width) * 24 + 31) / 32 * 4;
    if (!fitsBufferCap(pixels.width, pixels.height, rowBytes) || kHeaderBytes + rowBytes * pixels.height > kMaxBufferBytes)
        return std::nullopt;
    const int64_t fileSize = kHeaderBytes + rowBytes * pixels.height;
    QByteArray file(qsizetype(fileSize), '\0');
    auto* out = reinterpret_cast<uint8_t*>(file.data());
    writeHeaders(out, pixels.width, pixels.height, uint32_t(fileSize));
    const size_t sourceRow = pixels.rowBytes();
    for (int y = 0; y < pixels.height; ++y) {
        const uint8_t* source = pixels.data.get() + sourceRow * size_t(pixels.height - 1 - y);
        uint8_t* target = out + kHeaderBytes + rowBytes * y;
        for (int x = 0; x < pixels.width; ++x) {
            target[3 * x] = source[3 * x + 2];
            target[3 * x + 1] = source[3 * x + 1];
            target[3 * x + 2] = source[3 * x];
        }
    }
    return file;
}

std::optional<EncodedPicture> BmpHandler::encodePicture(const PictureWriteRequest& request)
{
    if (!request.pixels) {
        message = QStringLiteral("No picture to write");
        return std::nullopt;
    }
    std::optional<QByteArray> file = encodeBmp(*request.pixels);
    if (!file) {
        message = QStringLiteral("The picture is too large for a BMP file");
        return std::nullopt;
    }
    message.clear();
    return EncodedPicture{std::move(*file), {}};
}

} // namespace vistello

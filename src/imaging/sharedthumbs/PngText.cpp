#include "imaging/sharedthumbs/PngText.h"

#include <array>
#include <cstdint>

namespace vistello {

namespace {

constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";
constexpr int kSignatureSize = 8;
constexpr int kHeaderChunkSize = 8 + 13 + 4; // length, type, IHDR body, CRC

constexpr std::array<uint32_t, 256> makeCrcTable()
{
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<uint32_t, 256> kCrcTable = makeCrcTable();

// The CRC every PNG chunk ends with, over its type and data.
uint32_t chunkCrc(const QByteArray& typeAndData)
{
    uint32_t c = 0xFFFFFFFFu;
    for (const char byte : typeAndData)
        c = kCrcTable[(c ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void appendBigEndian(QByteArray& out, uint32_t value)
{
    out.append(char(value >> 24));
    out.append(char(value >> 16));
    out.append(char(value >> 8));
    out.append(char(value));
}

} // namespace

QByteArray withTextChunks(const QByteArray& png, const PngTexts& texts)
{
    if (png.size() < kSignatureSize + kHeaderChunkSize || !png.startsWith(QByteArray(kSignature, kSignatureSize))
        || png.mid(kSignatureSize + 4, 4) != "IHDR" || png.mid(kSignatureSize, 4) != QByteArray("\0\0\0\x0d", 4))
        return {};
    QByteArray out = png.left(kSignatureSize + kHeaderChunkSize);
    for (const auto& [key, value] : texts) {
        const QByteArray body = QByteArray("tEXt") + key + '\0' + value;
        appendBigEndian(out, uint32_t(body.size() - 4));
        out.append(body);
        appendBigEndian(out, chunkCrc(body));
    }
    out.append(png.mid(kSignatureSize + kHeaderChunkSize));
    return out;
}

} // namespace vistello

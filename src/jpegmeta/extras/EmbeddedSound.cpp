#include "jpegmeta/extras/EmbeddedSound.h"

#include "jpegmeta/segments/HeaderWalk.h"

#include <QByteArrayMatcher>
#include <array>
#include <cstdint>
#include <cstring>

namespace vistello {

namespace {

// More APP2 bytes than any camera's sound memo; a hostile header run of
// tens of thousands of segments is not gathered into memory.
constexpr qint64 kMaxApp2Bytes = qint64(64) << 20;
constexpr uint8_t kApp2 = 0xE2;
// FF E2, length, "FPXR" 00, version 00, type 02 (stream data), then six
// bytes of stream index and offset: skipped between the pieces of a stream.
constexpr int kFlashPixHeader = 17;
constexpr std::array<const char*, 5> kFormTypes = {"WAVE", "PAL ", "RDIB", "RMID", "RMMP"};

bool isFlashPixStreamHeader(const uchar* p)
{
    return p[0] == 0xFF && p[1] == 0xE2 && std::memcmp(p + 4, "FPXR\0\0\2", 7) == 0;
}

uint32_t littleEndian32(const uchar* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

} // namespace

std::optional<QByteArray> extractEmbeddedSound(const QByteArray& file)
{
    static const QByteArrayMatcher riff(QByteArrayLiteral("RIFF"));
    const qint64 size = file.size();
    const qint64 at = riff.indexIn(file);
    // A file that is itself a RIFF stream is not a picture with sound.
    if (at <= 0 || at + 12 > size)
        return std::nullopt;
    const auto* data = reinterpret_cast<const uchar*>(file.constData());
    bool known = false;
    for (const char* form : kFormTypes)
        known = known || std::memcmp(data + at + 8, form, 4) == 0;
    if (!known)
        return std::nullopt;

    const qint64 length = qint64(littleEndian32(data + at + 4)) + 8;
    if (length > size - at)
        return std::nullopt; // cannot fit, even without a single header to skip
    QByteArray sound(qsizetype(length), Qt::Uninitialized);
    auto* out = reinterpret_cast<uchar*>(sound.data());
    qint64 q = at;
    for (qint64 i = 0; i < length; ++i, ++q) {
        if (q + kFlashPixHeader < size && isFlashPixStreamHeader(data + q))
            q += kFlashPixHeader;
        if (q >= size)
            return std::nullopt;
        out[i] = data[q];
    }
    return sound;
}

std::optional<QByteArray> extractEmbeddedSound(const QString& path)
{
    FileByteSource source(path);
    if (!source.isOpen())
        return std::nullopt;
    // The stream's pieces are APP2 segments of the header: only they are read,
    // whole and in file order, so a picture of any size costs its header.
    QByteArray app2Run;
    bool tooMuch = false;
    walkHeaderRun(source, [&](const JpegSegment& segment) {
        if (segment.marker != kApp2)
            return true;
        const qint64 whole = qint64(segment.length) + 2;
        if (app2Run.size() + whole > kMaxApp2Bytes) {
            tooMuch = true;
            return false;
        }
        app2Run += source.read(segment.offset, whole);
        return true;
    });
    if (tooMuch || app2Run.isEmpty())
        return std::nullopt;
    return extractEmbeddedSound(app2Run);
}

} // namespace vistello

// Fuzzes what the JPEG writer reads from outside: the option string (any
// text gives qualities 0-100 that survive formatting and reading back) and
// the strict decoder on arbitrary bytes; a small decoded picture is
// re-encoded in memory and must read back at its size.
#include "imaging/decode/JpegDecoder.h"
#include "imaging/decode/JpegHandler.h"
#include "jpegedit/jpegwrite/JpegEncode.h"
#include "jpegedit/jpegwrite/JpegQuality.h"

#include <QString>
#include <cstddef>
#include <cstdint>

using namespace vistello;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString options = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size < 64 ? size : 64));
    const JpegQualities q = parseJpegOptions(options);
    if (q.luminance < 0 || q.luminance > 100 || q.chrominance < 0 || q.chrominance > 100 ||
        parseJpegOptions(formatJpegOptions(q)) != q)
        __builtin_trap();

    JpegDecodeLimits limits;
    limits.maxOutputBytes = 4 << 20;
    limits.maxLibraryMemory = 16L << 20;
    limits.maxScans = 50;
    JpegHandler strict;
    strict.setDecodeLimits(limits);
    strict.strictDecode = true;
    const PixelBuffer pixels = strict.decodeMemory(data, size, 0, 0, 1, 1, false);
    if (pixels.empty() || pixels.byteCount() > 64 * 64 * 3)
        return 0;
    JpegEncodeSettings settings;
    settings.qualities = q;
    const std::optional<QByteArray> jpeg = encodeJpeg(pixels, settings);
    JpegHeaderInfo header;
    if (!jpeg || !readJpegHeader(reinterpret_cast<const uint8_t*>(jpeg->constData()), size_t(jpeg->size()), header) ||
        header.imageWidth != pixels.width || header.imageHeight != pixels.height)
        __builtin_trap();
    return 0;
}

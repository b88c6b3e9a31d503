#pragma once
// One attempt to decode a JPEG stream from memory with the JPEG library:
// header, DCT scale for the box, decompression to packed RGB rows (RGB,
// greyscale and CMYK sources), the embedded colour profile. Library errors,
// an exceeded limit and a stop request end the attempt without a result;
// the library's text goes to lastDecodeMessage().
#include "imaging/decode/FormatHandler.h"
#include "imaging/decode/JpegDecodeLimits.h"
#include "imaging/decode/JpegScale.h"

#include <QRect>
#include <QString>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace vistello {

struct JpegDecodeRequest {
    JpegScaleRequest scale;       // image size is filled in from the header
    bool fastDecode = false;      // fast integer DCT, no fancy upsampling, no block smoothing
    bool useColourProfiles = false; // RGB sources only; CMYK always uses its profile
    bool strict = false;          // a library warning fails the attempt; the stream is read to its end
    const std::atomic<bool>* stopFlag = nullptr;
    JpegDecodeLimits limits;
    // Only this part of the scaled picture (empty: all of it). The rows
    // above are skipped and the columns outside not transformed, so a
    // screenful of a huge picture costs a screenful of memory.
    QRect region;
};

struct JpegHeaderInfo {
    int imageWidth = 0;
    int imageHeight = 0;
    int mcuWidth = 1;
    int mcuHeight = 1;
};

struct JpegDecodeResult {
    PixelBuffer pixels; // empty on failure
    JpegHeaderInfo header;
};

JpegDecodeResult decodeJpeg(const uint8_t* data, size_t length, const JpegDecodeRequest& request);
// The same reading the file as it goes, never holding all of it.
JpegDecodeResult decodeJpegFile(const QString& path, const JpegDecodeRequest& request);
// The header alone; nothing when it cannot be read or a side is 0.
bool readJpegHeader(const uint8_t* data, size_t length, JpegHeaderInfo& out);
// The same from a file, reading no further than the header.
bool readJpegHeader(const QString& path, JpegHeaderInfo& out);

} // namespace vistello
